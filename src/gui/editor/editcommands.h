#pragma once
#include <QBrush>
#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>
#include <string>
#include <utility>

#include "core/editor/editresult.h"
#include "core/editor/undoring.h"
#include "core/editor/undorunflags.h"
#include "gui/editor/findreplacedialog.h"
#include "core/editor/editoroptions.h"

class QKeyEvent;
class QPlainTextEdit;

namespace tav2 {

class SourceHighlighter;

// The editing commands of a source editor on a QPlainTextEdit: the 32-slot
// undo ring (the control's own undo is switched off), Find, Replace and
// Search Again, the clipboard commands, Revert Case, Match Bracket, Indent
// and Unindent Selection, auto indent, tab translation, insert/overwrite,
// and the editor options that act on the control.
//
// It watches the control's keys and mouse clicks: key presses group the
// work into undo steps, and the command keys (Ctrl+Z, Ctrl+Y and
// Ctrl+Shift+Z, Ctrl+X/C/V/A, Ctrl+F,
// Ctrl+R, F3, Ctrl+U, Ctrl+B, Ctrl+[ and Ctrl+], Ctrl+I, Ctrl+J) run their
// command while the text has the focus. The menu items of the editor window
// call the public slots.
class EditCommands : public QObject {
  Q_OBJECT

 public:
  enum class SearchKind { Find, Replace };

  // `highlighter` (may be null) is switched by SwitchColouring. The run
  // flags group key presses into undo steps; all editors share one set.
  EditCommands(QPlainTextEdit* edit, SourceHighlighter* highlighter,
               UndoRunFlags& runFlags = SharedRunFlags());

  static UndoRunFlags& SharedRunFlags();

  QPlainTextEdit* Edit() const { return edit_; }
  const EditorOptions& Options() const { return options_; }
  bool InsertMode() const { return insertMode_; }
  // " INS" or "OVR", the text of the insert indicator.
  QString InsertIndicator() const;
  SearchKind LastSearch() const { return lastSearch_; }
  const UndoRing& Ring() const { return ring_; }
  FindReplaceDialog& FindDialog();
  FindReplaceDialog& ReplaceDialog();
  // The selection's first 50 characters or the word at the caret.
  QString WordAtCursor() const;

  // Takes all the options and applies them to the control.
  void SetOptions(const EditorOptions& options);
  void SetAutoIndent(bool on);
  // On: coloured, and word wrap off. Off: plain.
  void SwitchColouring(bool on);
  void SetWordWrap(bool on);
  // The line-number gutter beside the text (the editor window shows it).
  void SetLineNumbers(bool on);
  // Sets the tab width (brought into 1..48) and the control's tab stops.
  void SetTabNumber(int tabNumber);
  // Switched on, every tab of the text becomes spaces.
  void SetTabsToSpaces(bool on);
  // The tab stops from the tab width and the control's font (also after a
  // font change).
  void ApplyTabStops();
  // The background colour of the text.
  QColor Background() const;
  void SetBackground(const QColor& colour);
  // Every slot holds the text as it is now (after creation and loading).
  void InitialiseUndo();
  // A change asked for outside the keyboard (a click in the gutter): an
  // undo step of its own; the caret stays on its character.
  void ApplyUserChange(const TextChange& change);
  // The text as it is now is the one in its file: undo and redo steps that
  // return to it clear the modified state.
  void MarkSaved();

 public slots:
  void Undo();
  void Redo();
  void CancelUndos();
  void Find();
  void Replace();
  void SearchAgain();
  void Cut();
  void Copy();
  void Paste();
  void Delete();
  void SelectAll();
  void RevertCase();
  void MatchBracket();
  void IndentSelection();
  void UnindentSelection();
  void ToggleInsertMode();
  // Word wrap is switched only while colouring is off.
  void ToggleWordWrap();
  void ConvertAllTabs();

  // The dialogs' steps; also callable directly.
  void FindStep();
  void ReplaceFindStep();
  void ReplaceOnce();
  void ReplaceAll();

 signals:
  void insertModeChanged(const QString& indicator);
  void colouringChanged(bool on);
  void wordWrapChanged(bool on);
  void lineNumbersChanged(bool on);
  // A key that types, deletes or breaks a line went down in the text (the
  // red source line goes away then).
  void textKeyPressed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using Command = void (EditCommands::*)();
  using SelectionCommand = std::optional<EditResult> (*)(std::string_view, Selection);
  enum class ChangeSource { User, Programmatic };

  static Command CommandFor(const QKeyEvent& key);
  bool KeyDown(QKeyEvent& key);
  bool FollowUpKey(QKeyEvent& key);
  void TypeIntoControl(QKeyEvent& key);
  void StartRun(SnapshotTrigger trigger);
  void TakeSnapshot();
  void TextChanged(int position, int removed, int added);
  bool HoldsWideCharacter(int position, int length) const;
  void NarrowWideCharacters();
  void Apply(const EditResult& result, ChangeSource source);
  // Applies an undo ring step; the text is modified unless it is the saved one.
  void ApplyRingStep(const std::optional<EditResult>& step);
  void ReplaceStretch(const TextChange& change);
  void Select(Selection selection);
  Selection CurrentSelection() const;
  // Indent or Unindent Selection.
  void ChangeSelectedLines(SelectionCommand command);
  void AutoIndentNewLine();
  void TranslateTypedTab();
  FindReplaceDialog* NewDialog(FindReplaceDialog::Kind kind);
  bool SearchDialogOpen() const;
  void ShowSelectionWithoutFocus(bool on);
  void ShowDialog(FindReplaceDialog& dialog);
  void SearchStep(SearchKind kind);
  void ReportSearch(const std::optional<Selection>& match, const std::string& message);

  QPlainTextEdit* edit_;
  QWidget* viewport_;
  QPointer<SourceHighlighter> highlighter_;
  UndoRunFlags& runFlags_;
  UndoRing ring_;
  std::string savedText_;
  EditorOptions options_;
  bool insertMode_ = true;
  bool programmatic_ = false;
  SearchKind lastSearch_ = SearchKind::Find;
  FindReplaceDialog* findDialog_ = nullptr;
  FindReplaceDialog* replaceDialog_ = nullptr;
  // The text's own colours of an unfocused selection while a search dialog
  // is open.
  std::optional<std::pair<QBrush, QBrush>> unfocusedSelection_;
};

}  // namespace tav2
