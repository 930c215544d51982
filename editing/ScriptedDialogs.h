#pragma once
// Dialogs for tests: every question is answered from a script, in order, and every
// question and box is recorded. A question without a scripted answer throws, so a test
// that forgot one (or a command that asks once too often) fails loudly.
#include <deque>
#include <string>
#include <vector>

#include "editing/Dialogs.h"

namespace tessary {

class ScriptedDialogs : public Dialogs {
 public:
  // The next file question is answered with `path` / cancelled.
  void AnswerFile(std::string path);
  void CancelFile();
  // The next colour question picks `colour` / is cancelled; `custom` (when given)
  // replaces the custom colours as if the user had edited them.
  void AnswerColour(Colour colour, std::optional<CustomColours> custom = std::nullopt);
  void CancelColour();
  // The next question whether to save before closing is answered with `answer`.
  void AnswerSaveChanges(SaveChanges answer) { saveAnswers_.push_back(answer); }

  // True when every scripted answer was used.
  bool AllAnswered() const { return files_.empty() && colours_.empty() && saveAnswers_.empty(); }

  struct Box {
    MessageBoxKind kind;
    std::string text;
    bool operator==(const Box&) const = default;
  };
  // What was asked and shown, in order.
  std::vector<FileDialogId> fileQuestions;
  std::vector<std::string> fileStarts;  // where each file question started (empty: no start given)
  int saveQuestions = 0;                // whether-to-save questions asked
  std::vector<Box> boxes;

  using Dialogs::ChooseFile;
  std::optional<std::string> ChooseFile(FileDialogId dialog, const std::string& startAt) override;
  void ShowErrorBox(const std::string& text) override;
  void ShowApplicationError(const std::string& text) override;
  std::optional<Colour> ChooseColour(Colour initial, CustomColours& custom) override;
  SaveChanges AskToSaveChanges() override;

 private:
  struct ColourAnswer {
    std::optional<Colour> colour;
    std::optional<CustomColours> custom;
  };
  std::deque<std::optional<std::string>> files_;
  std::deque<ColourAnswer> colours_;
  std::deque<SaveChanges> saveAnswers_;
};

}  // namespace tessary
