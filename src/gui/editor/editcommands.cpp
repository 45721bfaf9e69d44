#include "gui/editor/editcommands.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>

#include "core/editor/tabs.h"
#include "core/editor/textcommands.h"
#include "core/editor/textsearch.h"
#include "gui/editor/coretext.h"
#include "gui/editor/sourcehighlighter.h"
#include "gui/common/dialogs.h"
#include "gui/common/widgetparts.h"

namespace tav2 {

namespace {

struct KeyBinding {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  void (EditCommands::*command)();
};

const std::array<KeyBinding, 11> kKeyBindings = {{
    {Qt::Key_Y, Qt::ControlModifier, &EditCommands::Redo},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, &EditCommands::Redo},
    {Qt::Key_F, Qt::ControlModifier, &EditCommands::Find},
    {Qt::Key_R, Qt::ControlModifier, &EditCommands::Replace},
    {Qt::Key_F3, Qt::NoModifier, &EditCommands::SearchAgain},
    {Qt::Key_U, Qt::ControlModifier, &EditCommands::RevertCase},
    {Qt::Key_B, Qt::ControlModifier, &EditCommands::MatchBracket},
    {Qt::Key_BracketLeft, Qt::ControlModifier, &EditCommands::MatchBracket},
    {Qt::Key_BracketRight, Qt::ControlModifier, &EditCommands::MatchBracket},
    {Qt::Key_I, Qt::ControlModifier, &EditCommands::IndentSelection},
    {Qt::Key_J, Qt::ControlModifier, &EditCommands::UnindentSelection},
}};

struct StandardBinding {
  QKeySequence::StandardKey key;
  void (EditCommands::*command)();
};

const std::array<StandardBinding, 5> kStandardBindings = {{
    {QKeySequence::Undo, &EditCommands::Undo},
    {QKeySequence::Cut, &EditCommands::Cut},
    {QKeySequence::Copy, &EditCommands::Copy},
    {QKeySequence::Paste, &EditCommands::Paste},
    {QKeySequence::SelectAll, &EditCommands::SelectAll},
}};

bool IsModifierKey(int key) {
  return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
         key == Qt::Key_AltGr;
}

bool IsMovingKey(int key) {
  switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: return true;
    default: return false;
  }
}

bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool TypesText(const QKeyEvent& key) {
  return key.key() == Qt::Key_Tab || (!key.text().isEmpty() && key.text().front().isPrint());
}

// What the core makes of a character: characters outside Latin-1 read as "?".
QChar AsCoreChar(QChar ch) { return ch.unicode() < 256 ? ch : QChar('?'); }

std::string CoreString(const QString& text) { return std::string(CoreText(text).View()); }

// A character the text cannot hold; the control's own line breaks are none.
bool IsWide(QChar ch) {
  return ch.unicode() > 0xFF && ch != QChar::ParagraphSeparator && ch != QChar::LineSeparator;
}

}  // namespace

UndoRunFlags& EditCommands::SharedRunFlags() {
  static UndoRunFlags flags;
  return flags;
}

EditCommands::EditCommands(QPlainTextEdit* edit, SourceHighlighter* highlighter, UndoRunFlags& runFlags)
    : QObject(edit),
      edit_(edit),
      viewport_(edit->viewport()),
      highlighter_(highlighter),
      runFlags_(runFlags) {
  edit_->setUndoRedoEnabled(false);
  edit_->installEventFilter(this);
  viewport_->installEventFilter(this);
  connect(edit_->document(), &QTextDocument::contentsChange, this, &EditCommands::TextChanged);
  SetOptions(options_);
  InitialiseUndo();
}

QString EditCommands::InsertIndicator() const {
  return insertMode_ ? QStringLiteral(" INS") : QStringLiteral("OVR");
}

QString EditCommands::WordAtCursor() const {
  const CoreText text(*edit_);
  return QString::fromLatin1(tav2::WordAtCursor(text.View(), CurrentSelection()));
}

// Options

void EditCommands::SetOptions(const EditorOptions& options) {
  options_ = options;
  SwitchColouring(options.syntaxColoring);
  if (!options.syntaxColoring) SetWordWrap(options.wordWrap);
  SetTabNumber(options.tabNumber);
  SetLineNumbers(options.lineNumbers);
}

void EditCommands::SetLineNumbers(bool on) {
  options_.lineNumbers = on;
  emit lineNumbersChanged(on);
}

void EditCommands::SetAutoIndent(bool on) { options_.autoIndent = on; }

void EditCommands::SwitchColouring(bool on) {
  options_.syntaxColoring = on;
  if (highlighter_) highlighter_->SetEnabled(on);
  if (on) SetWordWrap(false);
  emit colouringChanged(on);
}

void EditCommands::SetWordWrap(bool on) {
  options_.wordWrap = on;
  edit_->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  emit wordWrapChanged(on);
}

void EditCommands::ToggleWordWrap() {
  if (!options_.syntaxColoring) SetWordWrap(!options_.wordWrap);
}

void EditCommands::SetTabNumber(int tabNumber) {
  options_.tabNumber = UsableTabNumber(tabNumber);
  ApplyTabStops();
}

void EditCommands::SetTabsToSpaces(bool on) {
  if (on == options_.tabsToSpaces) return;
  options_.tabsToSpaces = on;
  if (on) ConvertAllTabs();
}

void EditCommands::ApplyTabStops() {
  edit_->setTabStopDistance(options_.tabNumber *
                            QFontMetricsF(edit_->font()).horizontalAdvance(QLatin1Char('n')));
}

QColor EditCommands::Background() const { return edit_->palette().color(QPalette::Base); }

void EditCommands::SetBackground(const QColor& colour) { SetPaletteColour(edit_, QPalette::Base, colour); }

// Undo

void EditCommands::InitialiseUndo() {
  const CoreText text(*edit_);
  ring_.Initialise(text.View(), CurrentSelection().start);
}

void EditCommands::TakeSnapshot() {
  const CoreText text(*edit_);
  ring_.TakeSnapshot(text.View(), CurrentSelection().start);
}

void EditCommands::StartRun(SnapshotTrigger trigger) {
  if (runFlags_.StartsNewRun(trigger)) TakeSnapshot();
}

void EditCommands::TextChanged(int position, int removed, int added) {
  // The commands' own changes insert Latin-1 text only; colouring leaves
  // the text as it is.
  if (programmatic_ || (highlighter_ && highlighter_->Recolouring())) return;
  if (removed > 0 || added > 0) ring_.NoteUserChange();
  // The document cannot be changed while it reports a change, so a typed or
  // pasted character outside Latin-1 is replaced just after.
  if (added > 0 && HoldsWideCharacter(position, added)) {
    QMetaObject::invokeMethod(this, &EditCommands::NarrowWideCharacters, Qt::QueuedConnection);
  }
}

bool EditCommands::HoldsWideCharacter(int position, int length) const {
  QTextCursor cursor(edit_->document());
  const int last = edit_->document()->characterCount() - 1;
  cursor.setPosition(std::min(position, last));
  cursor.setPosition(std::min(position + length, last), QTextCursor::KeepAnchor);
  const QString text = cursor.selectedText();
  return std::any_of(text.begin(), text.end(), IsWide);
}

// The text holds one byte per character, as the assembler and the machine
// read it: each character outside Latin-1 (a surrogate pair counting as one)
// becomes "?", visibly and at once, rather than later in an undo step.
void EditCommands::NarrowWideCharacters() {
  QTextDocument* document = edit_->document();
  QTextCursor cursor(document);
  cursor.beginEditBlock();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
      if (!IsWide(text[i])) continue;
      const qsizetype first = text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate() ? i - 1 : i;
      cursor.setPosition(block.position() + static_cast<int>(first));
      cursor.setPosition(block.position() + static_cast<int>(i + 1), QTextCursor::KeepAnchor);
      cursor.insertText(QStringLiteral("?"));
      i = first;
    }
  }
  cursor.endEditBlock();
}

void EditCommands::ApplyUserChange(const TextChange& change) {
  TakeSnapshot();
  int caret = CurrentSelection().start;
  if (caret > change.start) caret += static_cast<int>(change.inserted.size()) - change.removed;
  Apply(EditResult{change, Selection{std::max(caret, change.start), 0}}, ChangeSource::User);
}

void EditCommands::MarkSaved() { savedText_ = std::string(CoreText(*edit_).View()); }

void EditCommands::Undo() {
  const CoreText text(*edit_);
  ApplyRingStep(ring_.Undo(text.View(), CurrentSelection().start));
}

void EditCommands::Redo() {
  const CoreText text(*edit_);
  ApplyRingStep(ring_.Redo(text.View(), CurrentSelection().start));
}

void EditCommands::CancelUndos() {
  const CoreText text(*edit_);
  ApplyRingStep(ring_.CancelUndos(text.View(), CurrentSelection().start));
}

void EditCommands::ApplyRingStep(const std::optional<EditResult>& step) {
  if (!step) return;
  Apply(*step, ChangeSource::Programmatic);
  edit_->document()->setModified(CoreText(*edit_).View() != savedText_);
  edit_->setFocus();
}

// Applying results

Selection EditCommands::CurrentSelection() const {
  const QTextCursor cursor = edit_->textCursor();
  return Selection{cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
}

void EditCommands::Select(Selection selection) {
  const int last = edit_->document()->characterCount() - 1;
  QTextCursor cursor = edit_->textCursor();
  cursor.setPosition(std::clamp(selection.start, 0, last));
  cursor.setPosition(std::clamp(selection.End(), 0, last), QTextCursor::KeepAnchor);
  edit_->setTextCursor(cursor);
}

void EditCommands::Apply(const EditResult& result, ChangeSource source) {
  if (result.change && edit_->isReadOnly() && source == ChangeSource::User) return;
  QScopedValueRollback<bool> programmatic(programmatic_,
                                          programmatic_ || source == ChangeSource::Programmatic);
  if (result.change) ReplaceStretch(*result.change);
  Select(result.selection);
}

// Replaces only the characters the change really alters, so that the
// characters around them stay as they are (also those outside Latin-1).
void EditCommands::ReplaceStretch(const TextChange& change) {
  QTextCursor cursor(edit_->document());
  cursor.setPosition(change.start);
  cursor.setPosition(change.start + change.removed, QTextCursor::KeepAnchor);
  const QString removed = cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  const QString inserted =
      QString::fromLatin1(change.inserted.data(), static_cast<qsizetype>(change.inserted.size()));
  qsizetype head = 0;
  while (head < removed.size() && head < inserted.size() && AsCoreChar(removed[head]) == inserted[head])
    ++head;
  qsizetype tail = 0;
  while (tail < removed.size() - head && tail < inserted.size() - head &&
         AsCoreChar(removed[removed.size() - 1 - tail]) == inserted[inserted.size() - 1 - tail]) {
    ++tail;
  }
  if (head + tail == removed.size() && head + tail == inserted.size()) return;
  cursor.setPosition(change.start + static_cast<int>(head));
  cursor.setPosition(change.start + static_cast<int>(removed.size() - tail), QTextCursor::KeepAnchor);
  cursor.insertText(inserted.mid(head, inserted.size() - head - tail));
}

// Find and replace

FindReplaceDialog& EditCommands::FindDialog() {
  if (!findDialog_) {
    findDialog_ = NewDialog(FindReplaceDialog::Kind::Find);
    connect(findDialog_, &FindReplaceDialog::findNext, this, &EditCommands::FindStep);
  }
  return *findDialog_;
}

FindReplaceDialog& EditCommands::ReplaceDialog() {
  if (!replaceDialog_) {
    replaceDialog_ = NewDialog(FindReplaceDialog::Kind::Replace);
    connect(replaceDialog_, &FindReplaceDialog::findNext, this, &EditCommands::ReplaceFindStep);
    connect(replaceDialog_, &FindReplaceDialog::replace, this, &EditCommands::ReplaceOnce);
    connect(replaceDialog_, &FindReplaceDialog::replaceAll, this, &EditCommands::ReplaceAll);
  }
  return *replaceDialog_;
}

FindReplaceDialog* EditCommands::NewDialog(FindReplaceDialog::Kind kind) {
  auto* dialog = new FindReplaceDialog(kind, edit_);
  connect(dialog, &QDialog::finished, this, [this] { ShowSelectionWithoutFocus(SearchDialogOpen()); });
  return dialog;
}

bool EditCommands::SearchDialogOpen() const {
  return (findDialog_ && findDialog_->isVisible()) || (replaceDialog_ && replaceDialog_->isVisible());
}

// While a search dialog has the focus, the text draws its selection as if
// it had the focus itself, so that the match found stays in sight.
void EditCommands::ShowSelectionWithoutFocus(bool on) {
  QPalette palette = edit_->palette();
  if (on && !unfocusedSelection_) {
    unfocusedSelection_ = {palette.brush(QPalette::Inactive, QPalette::Highlight),
                           palette.brush(QPalette::Inactive, QPalette::HighlightedText)};
    palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                     palette.brush(QPalette::Active, QPalette::Highlight));
    palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                     palette.brush(QPalette::Active, QPalette::HighlightedText));
  } else if (!on && unfocusedSelection_) {
    palette.setBrush(QPalette::Inactive, QPalette::Highlight, unfocusedSelection_->first);
    palette.setBrush(QPalette::Inactive, QPalette::HighlightedText, unfocusedSelection_->second);
    unfocusedSelection_.reset();
  } else {
    return;
  }
  edit_->setPalette(palette);
}

void EditCommands::ShowDialog(FindReplaceDialog& dialog) {
  ShowSelectionWithoutFocus(true);
  dialog.show();
  dialog.raise();
  dialog.activateWindow();
}

void EditCommands::Find() { ShowDialog(FindDialog()); }

void EditCommands::Replace() { ShowDialog(ReplaceDialog()); }

void EditCommands::SearchAgain() {
  if (lastSearch_ == SearchKind::Find) {
    FindStep();
  } else {
    ReplaceFindStep();
  }
}

// The focus stays where the search was asked for: in an open dialog, the
// next Enter searches again instead of typing over the match.
void EditCommands::ReportSearch(const std::optional<Selection>& match, const std::string& message) {
  if (!message.empty()) Dialogs::Current().ShowInfo(edit_, QString::fromStdString(message));
  if (match) Select(*match);
}

void EditCommands::FindStep() { SearchStep(SearchKind::Find); }

void EditCommands::ReplaceFindStep() { SearchStep(SearchKind::Replace); }

// A find step of the Find dialog (in its direction) or of the Replace
// dialog (always downward).
void EditCommands::SearchStep(SearchKind kind) {
  const FindReplaceDialog& dialog = kind == SearchKind::Find ? FindDialog() : ReplaceDialog();
  if (dialog.SearchText().isEmpty()) return;
  const CoreText text(*edit_);
  const TextSearch search(CoreString(dialog.SearchText()), dialog.Options());
  const FindResult found = kind == SearchKind::Find ? search.Find(text.View(), CurrentSelection())
                                                    : search.FindDown(text.View(), CurrentSelection());
  lastSearch_ = kind;
  ReportSearch(found.match, found.message);
}

void EditCommands::ReplaceOnce() {
  const FindReplaceDialog& dialog = ReplaceDialog();
  const CoreText text(*edit_);
  const TextSearch search(CoreString(dialog.SearchText()), dialog.Options());
  if (const std::optional<EditResult> result =
          search.Replace(text.View(), CurrentSelection(), CoreString(dialog.ReplaceText()))) {
    Apply(*result, ChangeSource::User);
  }
}

void EditCommands::ReplaceAll() {
  const FindReplaceDialog& dialog = ReplaceDialog();
  if (edit_->isReadOnly()) return;
  const CoreText text(*edit_);
  const ReplaceAllResult result =
      TextSearch(CoreString(dialog.SearchText()), dialog.Options())
          .ReplaceAll(text.View(), CurrentSelection(), CoreString(dialog.ReplaceText()));
  Apply(result.edit, ChangeSource::User);
  lastSearch_ = SearchKind::Replace;
  ReportSearch(std::nullopt, result.message);
}

// Clipboard and selection

void EditCommands::Cut() {
  TakeSnapshot();
  edit_->cut();
}

void EditCommands::Copy() { edit_->copy(); }

void EditCommands::Paste() {
  TakeSnapshot();
  edit_->paste();
}

void EditCommands::Delete() {
  if (edit_->isReadOnly()) return;
  QTextCursor cursor = edit_->textCursor();
  cursor.removeSelectedText();
  edit_->setTextCursor(cursor);
}

void EditCommands::SelectAll() { edit_->selectAll(); }

// Text commands

void EditCommands::RevertCase() {
  const CoreText text(*edit_);
  const Selection selection = CurrentSelection();
  const std::optional<EditResult> result = tav2::RevertCase(text.View(), selection);
  if (!result) return;
  if (!selection.Empty()) ring_.TakeSnapshot(text.View(), selection.start);
  Apply(*result, ChangeSource::User);
}

void EditCommands::MatchBracket() {
  const CoreText text(*edit_);
  Select(Selection{tav2::MatchBracket(text.View(), CurrentSelection().start), 0});
}

void EditCommands::ChangeSelectedLines(SelectionCommand command) {
  const CoreText text(*edit_);
  if (const std::optional<EditResult> result = command(text.View(), CurrentSelection())) {
    Apply(*result, ChangeSource::User);
    edit_->setFocus();
  }
}

void EditCommands::IndentSelection() { ChangeSelectedLines(tav2::IndentSelection); }

void EditCommands::UnindentSelection() { ChangeSelectedLines(tav2::UnindentSelection); }

void EditCommands::AutoIndentNewLine() {
  const CoreText text(*edit_);
  if (const std::optional<EditResult> result = tav2::AutoIndent(text.View(), CurrentSelection().start)) {
    Apply(*result, ChangeSource::User);
  }
}

void EditCommands::TranslateTypedTab() {
  const CoreText text(*edit_);
  if (const std::optional<EditResult> result =
          tav2::TranslateTypedTab(text.View(), CurrentSelection().start, options_.tabNumber)) {
    Apply(*result, ChangeSource::User);
  }
  edit_->setFocus();
}

void EditCommands::ConvertAllTabs() {
  const CoreText text(*edit_);
  if (const std::optional<EditResult> result =
          ConvertTabs(text.View(), CurrentSelection().start, options_.tabNumber)) {
    Apply(*result, ChangeSource::User);
    ApplyTabStops();
  }
}

void EditCommands::ToggleInsertMode() {
  insertMode_ = !insertMode_;
  edit_->setOverwriteMode(!insertMode_);
  emit insertModeChanged(InsertIndicator());
}

// Keys and mouse

EditCommands::Command EditCommands::CommandFor(const QKeyEvent& key) {
  for (const StandardBinding& binding : kStandardBindings) {
    if (key.matches(binding.key)) return binding.command;
  }
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  for (const KeyBinding& binding : kKeyBindings) {
    if (key.key() == binding.key && modifiers == binding.modifiers) return binding.command;
  }
  return nullptr;
}

bool EditCommands::eventFilter(QObject* watched, QEvent* event) {
  // Compared with the stored viewport: events also arrive while the control
  // is being destroyed.
  if (watched == viewport_) {
    if (event->type() == QEvent::MouseButtonPress) StartRun(SnapshotTrigger::MouseDown);
    return false;
  }
  if (watched != edit_) return false;
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // The command keys stay with the text, so that the key press reaches
      // the filter instead of a window shortcut or the control's own handling.
      if (CommandFor(*static_cast<QKeyEvent*>(event)) != nullptr) {
        event->accept();
        return true;
      }
      return false;
    case QEvent::KeyPress: return KeyDown(*static_cast<QKeyEvent*>(event));
    default: return false;
  }
}

// The control's own handling of a key press, from inside the filter.
void EditCommands::TypeIntoControl(QKeyEvent& key) { static_cast<QObject*>(edit_)->event(&key); }

// Every change a key makes follows its press, never its release: a release
// may belong to a press another window took (Enter closing a message box).
bool EditCommands::KeyDown(QKeyEvent& key) {
  if (const Command command = CommandFor(key)) {
    (this->*command)();
    return true;
  }
  const int code = key.key();
  if (IsModifierKey(code)) return false;
  if (IsMovingKey(code)) {
    StartRun(SnapshotTrigger::Move);
    return false;
  }
  if (code == Qt::Key_Insert && key.modifiers() == Qt::NoModifier) {  // Shift+Insert pastes
    if (!key.isAutoRepeat()) ToggleInsertMode();
    return true;
  }
  if (code == Qt::Key_Backspace) {
    StartRun(SnapshotTrigger::Backspace);
  } else if (code == Qt::Key_Delete) {
    StartRun(SnapshotTrigger::Delete);
  } else if (IsEnterKey(code)) {
    StartRun(SnapshotTrigger::Enter);
  } else if (TypesText(key)) {
    StartRun(SnapshotTrigger::Typing);
  } else {
    return false;
  }
  emit textKeyPressed();
  return FollowUpKey(key);
}

// Auto indent after Enter and tab translation after Tab: the control types
// the key first, then the typed line break or tab is worked on. False when
// the key needs no follow-up and is left to the control.
bool EditCommands::FollowUpKey(QKeyEvent& key) {
  const int code = key.key();
  const bool indent = IsEnterKey(code) && options_.autoIndent;
  const bool translate = code == Qt::Key_Tab && options_.tabsToSpaces;
  if (!indent && !translate) return false;
  TypeIntoControl(key);
  if (indent) AutoIndentNewLine();
  if (translate) TranslateTypedTab();
  return true;
}

}  // namespace tav2
