#include "editing/ScriptedDialogs.h"

#include <stdexcept>

namespace tessary {

void ScriptedDialogs::AnswerFile(std::string path) { files_.emplace_back(std::move(path)); }

void ScriptedDialogs::CancelFile() { files_.emplace_back(std::nullopt); }

void ScriptedDialogs::AnswerColour(Colour colour, std::optional<CustomColours> custom) {
  colours_.push_back({colour, custom});
}

void ScriptedDialogs::CancelColour() { colours_.push_back({std::nullopt, std::nullopt}); }

std::optional<std::string> ScriptedDialogs::ChooseFile(FileDialogId dialog, const std::string& startAt) {
  fileQuestions.push_back(dialog);
  fileStarts.push_back(startAt);
  if (files_.empty()) throw std::logic_error("a file dialog opened without a scripted answer");
  auto answer = std::move(files_.front());
  files_.pop_front();
  return answer;
}

void ScriptedDialogs::ShowErrorBox(const std::string& text) { boxes.push_back({MessageBoxKind::kError, text}); }

void ScriptedDialogs::ShowApplicationError(const std::string& text) {
  boxes.push_back({MessageBoxKind::kApplicationError, text});
}

std::optional<Colour> ScriptedDialogs::ChooseColour(Colour, CustomColours& custom) {
  if (colours_.empty()) throw std::logic_error("the colour dialog opened without a scripted answer");
  const ColourAnswer answer = colours_.front();
  colours_.pop_front();
  if (answer.custom) custom = *answer.custom;
  return answer.colour;
}

SaveChanges ScriptedDialogs::AskToSaveChanges() {
  ++saveQuestions;
  if (saveAnswers_.empty()) throw std::logic_error("asked whether to save without a scripted answer");
  const SaveChanges answer = saveAnswers_.front();
  saveAnswers_.pop_front();
  return answer;
}

}  // namespace tessary
