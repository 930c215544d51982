// info --json writes its JSON itself: the text is exactly what Qt's JSON writer gives for the
// same values (the layout scripts have read since the first version), whatever the texts hold.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/Json.h"

namespace tessary::cli {
namespace {

TEST(Json, TextIsQtsIndentedLayoutWithKeysSortedAndTextsEscaped) {
  const std::string texts[] = {
      "plain",
      "",
      "quote \" backslash \\ slash /",
      "controls \b\f\n\r\t \x01\x1f\x7f end",
      std::string("nul \0 inside", 12),
      "Latin-1 as UTF-8: \xC3\xA9\xC3\xBF, three bytes \xE2\x82\xAC, four \xF0\x9F\x98\x80",
      "not UTF-8: \xFF \xC3 end",
  };
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    JsonValue mine = JsonValue::Object();
    QJsonObject theirs;
    const QString qtText = QString::fromStdString(text);
    mine.Set("z text", text).Set("a number", std::int64_t{-9007199254740993}).Set("m flag", false);
    theirs["z text"] = qtText;
    theirs["a number"] = qint64{-9007199254740993};
    theirs["m flag"] = false;
    mine.Set(text, 7);  // a text as a key too
    theirs[qtText] = 7;
    mine.Set("empty list", JsonValue::Array()).Set("empty object", JsonValue::Object());
    theirs["empty list"] = QJsonArray();
    theirs["empty object"] = QJsonObject();
    JsonValue nested = JsonValue::Array();
    nested.Append(JsonValue::Object().Set("b", true).Set("a", 0)).Append(JsonValue::Array().Append(text)).Append(1);
    mine.Set("nested", std::move(nested));
    theirs["nested"] = QJsonArray{QJsonObject{{"b", true}, {"a", 0}}, QJsonArray{qtText}, 1};
    mine.Set("m flag", true);  // set again: replaced in place
    theirs["m flag"] = true;
    EXPECT_EQ(mine.ToText(), QJsonDocument(theirs).toJson(QJsonDocument::Indented).toStdString());
  }
}

}  // namespace
}  // namespace tessary::cli
