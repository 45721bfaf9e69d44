#include "gui/editor/editorwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <string>
#include <string_view>

#include "core/editor/breakpointmark.h"
#include "core/editor/editorfilename.h"
#include "core/editor/lineends.h"
#include "gui/common/bgrcolour.h"
#include "gui/editor/coretext.h"
#include "gui/editor/editcommands.h"
#include "gui/editor/editorhost.h"
#include "gui/editor/errorlist.h"
#include "gui/editor/linenumbergutter.h"
#include "gui/editor/sourcehighlighter.h"
#include "gui/editor/sourcelinehighlight.h"
#include "gui/editor/editoroptionsdialog.h"
#include "gui/common/commanditems.h"
#include "gui/common/dialogs.h"
#include "gui/common/fixedfont.h"
#include "core/lang/scanner.h"
#include "gui/common/widgetparts.h"

namespace tav2 {

namespace {

constexpr int kToolBarHeight = 30;
constexpr int kToolBarMargin = 2;
constexpr int kToolBarSpacing = 2;
constexpr int kIndicatorHeight = 20;
constexpr int kSecondRowHeight = kIndicatorHeight + 2 * kToolBarSpacing;
// The least room between the last button and the first indicator.
constexpr int kIndicatorsGap = 8;
constexpr int kIndicatorsRightMargin = 3;
constexpr int kErrorPanelHeight = 84;
constexpr uint32_t kColouringOn = 0x800080;   // purple
constexpr uint32_t kColouringOff = 0x808080;  // grey

const QString kCannotOpen = QStringLiteral("Cannot open file \"%1\". %2");

std::string_view View(const QByteArray& bytes) {
  return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray Bytes(const std::string& text) { return QByteArray::fromStdString(text); }

// The pop-up menu shows the keys of Undo and Redo beside them.
QKeySequence PopupShortcut(std::string_view item) {
  if (item == "menu_Undo") return QKeySequence("Ctrl+Z");
  if (item == "menu_Redo") return QKeySequence("Ctrl+Y");
  return {};
}

}  // namespace

EditorWindow::EditorWindow(EditorHost& host) : host_(host) {
  setObjectName("TEditform");
  setAttribute(Qt::WA_DeleteOnClose);

  auto* client = new QWidget;
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  CreateToolBar(client);
  column->addWidget(buildBar_);

  text_ = new QPlainTextEdit(client);
  text_->setObjectName("RichEdit1");
  text_->hide();
  text_->setTabChangesFocus(false);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setContextMenuPolicy(Qt::CustomContextMenu);
  text_->document()->setDocumentMargin(kFirstLineIndent);
  SetTextFont();
  gutter_ = new LineNumberGutter(text_, client);
  gutter_->hide();
  auto* textRow = new QHBoxLayout;
  textRow->setSpacing(0);
  textRow->addWidget(gutter_);
  textRow->addWidget(text_, 1);
  column->addLayout(textRow, 1);

  CreateErrorPanel(client);
  column->addWidget(errorPanel_);
  setWidget(client);
  CreateTextComponents();
  CreateMenus();

  connect(text_, &QPlainTextEdit::cursorPositionChanged, this, &EditorWindow::UpdatePosition);
  connect(text_, &QPlainTextEdit::selectionChanged, this, &EditorWindow::UpdatePosition);
  connect(text_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { popupMenu_->popup(text_->viewport()->mapToGlobal(at)); });

  host_.MdiArea()->addSubWindow(this);
  SetBounds(host_.DefaultEditorBounds());
  RecordBounds();
  CopyReopenItems(host_.ReopenItems());
  RefreshIndicators();
  text_->document()->setModified(false);
}

// The tool bar: the buttons on the left, the indicators on the right of
// the same row when there is room for both, else on a second row.
void EditorWindow::CreateToolBar(QWidget* client) {
  buildBar_ = new QFrame(client);
  buildBar_->setObjectName("Panel3");
  buildBar_->setFrameShape(QFrame::StyledPanel);
  buildBar_->setFixedHeight(kToolBarHeight);
  auto* rows = new QVBoxLayout(buildBar_);
  rows->setContentsMargins(kToolBarMargin, kToolBarMargin, kToolBarMargin, kToolBarMargin);
  rows->setSpacing(0);
  firstRow_ = new QHBoxLayout;
  firstRow_->setSpacing(kToolBarSpacing);
  secondRow_ = new QHBoxLayout;
  secondRow_->addStretch();
  rows->addLayout(firstRow_);
  rows->addLayout(secondRow_);
  makeButton_ = MakeButton(buildBar_, "Makeknop", "Make", "");
  loadButton_ = MakeButton(buildBar_, "Loadknop", "Load", "");
  goButton_ = MakeButton(buildBar_, "Goknop", "Go", "Load program and run");
  clearErrorsButton_ = MakeButton(buildBar_, "Herstelknop", "Clear", "Clear Errorwindow");
  breakpointsButton_ = MakeButton(buildBar_, "breakpointknop", "Breakpoints", "Validate Breakpoints");
  for (QToolButton* button : ToolBarButtons()) firstRow_->addWidget(button);
  firstRow_->addStretch();
  clearErrorsButton_->hide();
  breakpointsButton_->hide();
  connect(makeButton_, &QToolButton::clicked, this, &EditorWindow::OnMakeClicked);
  connect(loadButton_, &QToolButton::clicked, this, &EditorWindow::OnLoadClicked);
  connect(goButton_, &QToolButton::clicked, this, &EditorWindow::OnGoClicked);
  connect(breakpointsButton_, &QToolButton::clicked, this, &EditorWindow::OnBreakpointsClicked);
  connect(clearErrorsButton_, &QToolButton::clicked, this, [this] {
    host_.ClearErrorList(this);
    ClearSourceLine();
  });

  indicators_ = new QWidget(buildBar_);
  indicators_->setObjectName("Indicators");
  auto* indicatorRow = new QHBoxLayout(indicators_);
  indicatorRow->setContentsMargins(0, 0, kIndicatorsRightMargin, 0);
  indicatorRow->setSpacing(kToolBarSpacing);
  colouringIndicator_ = MakeIndicator("syncolvenster", "##", 26, "Syntax coloring");
  insertIndicator_ = MakeIndicator("insertvenster", " INS", 34, "");
  positionIndicator_ = MakeIndicator("positievenster", "   1:  1 ", 56, "");
  wrapIndicator_ = MakeIndicator("wrapvenster", "WRP", 36, "");
  for (QLabel* indicator : {colouringIndicator_, insertIndicator_, positionIndicator_, wrapIndicator_}) {
    indicatorRow->addWidget(indicator);
  }
  firstRow_->addWidget(indicators_);
  buildBar_->installEventFilter(this);
}

std::array<QToolButton*, 5> EditorWindow::ToolBarButtons() const {
  return {makeButton_, loadButton_, goButton_, clearErrorsButton_, breakpointsButton_};
}

QLabel* EditorWindow::MakeIndicator(const char* name, const QString& text, int width, const QString& hint) {
  auto* indicator = new QLabel(text, indicators_);
  indicator->setObjectName(name);
  indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  indicator->setAlignment(Qt::AlignCenter);
  indicator->setToolTip(hint);
  indicator->setFixedSize(width, kIndicatorHeight);
  indicator->installEventFilter(this);
  return indicator;
}

void EditorWindow::CreateErrorPanel(QWidget* client) {
  errorPanel_ = new QFrame(client);
  errorPanel_->setObjectName("Panel1");
  errorPanel_->setFixedHeight(kErrorPanelHeight);
  auto* column = new QVBoxLayout(errorPanel_);
  column->setContentsMargins(0, 0, 0, 0);
  errorList_ = new ErrorList(errorPanel_);
  column->addWidget(errorList_);
  errorPanel_->hide();
}

// The colouring, the editing commands with the default editor options, and
// the red source line, which a key typed into the text removes.
void EditorWindow::CreateTextComponents() {
  highlighter_ = new SourceHighlighter(text_->document(), host_.Hardware().mcrom, EditKind::TextFile);
  commands_ = new EditCommands(text_, highlighter_);
  commands_->SetOptions(host_.Settings().editor.options);
  sourceLine_ = new SourceLineHighlight(text_);
  connect(commands_, &EditCommands::colouringChanged, this, &EditorWindow::RefreshIndicators);
  connect(commands_, &EditCommands::wordWrapChanged, this, &EditorWindow::RefreshIndicators);
  connect(commands_, &EditCommands::insertModeChanged, this, &EditorWindow::RefreshIndicators);
  connect(commands_, &EditCommands::lineNumbersChanged, this, &EditorWindow::RefreshGutter);
  connect(gutter_, &LineNumberGutter::lineClicked, this, &EditorWindow::ToggleBreakpoint);
  connect(commands_, &EditCommands::textKeyPressed, sourceLine_, &SourceLineHighlight::ClearSourceLine);
  connect(errorList_, &ErrorList::errorChosen, this, [this](int position) {
    ShowSourceLine(position);
    text_->setFocus();
  });
}

void EditorWindow::CreateMenus() {
  CreateFileMenu();
  CreateEditMenu();
  CreatePopupMenu();
}

void EditorWindow::CreateFileMenu() {
  fileMenu_ = new QMenu("&File", this);
  fileMenu_->setObjectName("FileMenu");
  QMenu* newMenu = fileMenu_->addMenu("&New");
  newMenu->setObjectName("NewMenu");
  const std::array<std::pair<const char*, EditKind>, 3> newItems = {{
      {"TextFile1", EditKind::TextFile},
      {"AssmblerFile1", EditKind::AssemblerSource},
      {"MicrocodeFile1", EditKind::MicrocodeSource},
  }};
  const std::array<QString, 3> newCaptions = {"Text File", "Assembler File", "Microcode File"};
  for (std::size_t i = 0; i < newItems.size(); ++i) {
    QAction* item = AddMenuItem(newMenu, this, newItems[i].first, newCaptions[i]);
    connect(item, &QAction::triggered, this,
            [this, kind = newItems[i].second] { host_.NewSourceFile(kind); });
  }
  connect(AddMenuItem(fileMenu_, this, "Open1", "&Open..."), &QAction::triggered, this,
          [this] { host_.OpenFile(); });

  QMenu* reopen = fileMenu_->addMenu("&Reopen...");
  reopen->setObjectName("Reopenfile1");
  for (int k = 1; k <= RecentFiles::kMenuItems; ++k) {
    QAction* item = MakeAction(this, qPrintable(QString("source%1").arg(k)), QString());
    reopen->addAction(item);
    reopenItems_[static_cast<std::size_t>(k - 1)] = item;
    connect(item, &QAction::triggered, this, [this, k] { host_.ReopenFile(k); });
  }

  QAction* save = AddMenuItem(fileMenu_, this, "Save1", "&Save", QKeySequence("Ctrl+S"));
  connect(save, &QAction::triggered, this, &EditorWindow::SaveFile);
  QAction* saveAs = AddMenuItem(fileMenu_, this, "Saveas1", "S&ave as...");
  connect(saveAs, &QAction::triggered, this, &EditorWindow::SaveFileAs);
  QAction* print = AddMenuItem(fileMenu_, this, "Print1", "&Print");
  connect(print, &QAction::triggered, this, &EditorWindow::Print);
  QAction* closeItem = AddMenuItem(fileMenu_, this, "Close1", "&Close");
  connect(closeItem, &QAction::triggered, this, &QWidget::close);
  fileMenu_->addSeparator();
  QAction* saveAll = AddMenuItem(fileMenu_, this, "SaveAll1", "Save All");
  connect(saveAll, &QAction::triggered, this, [this] { host_.SaveAll(); });
  QAction* closeAll = AddMenuItem(fileMenu_, this, "CloseAll1", "Close all");
  connect(closeAll, &QAction::triggered, this, [this] { host_.CloseAll(); });
  fileMenu_->addSeparator();
  QAction* exitItem = AddMenuItem(fileMenu_, this, "Exit1", "Exit");
  connect(exitItem, &QAction::triggered, this, &QWidget::close);
}

// The Edit menu: the editing commands, Insert file, Selection to file,
// Font and the editor's options dialog.
void EditorWindow::CreateEditMenu() {
  editMenu_ = new QMenu("&Edit", this);
  editMenu_->setObjectName("EditMenu");
  const auto add = [this](const char* name, const QString& caption, const QKeySequence& shortcut,
                          auto command) {
    connect(AddMenuItem(editMenu_, this, name, caption, shortcut), &QAction::triggered, commands_, command);
  };
  add("Undo", "Undo ", QKeySequence("Ctrl+Z"), &EditCommands::Undo);
  add("Redo1", "Redo", QKeySequence("Ctrl+Y"), &EditCommands::Redo);
  findChild<QAction*>("Redo1", Qt::FindDirectChildrenOnly)
      ->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
  add("UndoUndo1", "Cancel undo's", {}, &EditCommands::CancelUndos);
  editMenu_->addSeparator();
  add("Find", "&Find", QKeySequence("Ctrl+F"), &EditCommands::Find);
  add("Replace", "&Replace", QKeySequence("Ctrl+R"), &EditCommands::Replace);
  add("FindNext1", "Search &Again", QKeySequence("F3"), &EditCommands::SearchAgain);
  editMenu_->addSeparator();
  add("Cut", "Cu&t", QKeySequence("Ctrl+X"), &EditCommands::Cut);
  add("Copy", "&Copy", QKeySequence("Ctrl+C"), &EditCommands::Copy);
  add("Paste", "&Paste", QKeySequence("Ctrl+V"), &EditCommands::Paste);
  add("Delete", "&Delete", {}, &EditCommands::Delete);
  add("Selectall", "&Select all", QKeySequence("Ctrl+A"), &EditCommands::SelectAll);
  editMenu_->addSeparator();
  add("FlipCase1", "Re&vert Case", QKeySequence("Ctrl+U"), &EditCommands::RevertCase);
  add("Matchingbracket1", "Match &Bracket", QKeySequence("Ctrl+B"), &EditCommands::MatchBracket);
  add("Blocktoright", "Indent Selection", QKeySequence("Ctrl+I"), &EditCommands::IndentSelection);
  add("Blocktoleft", "Unindent Selection", QKeySequence("Ctrl+J"), &EditCommands::UnindentSelection);
  breakpointItem_ =
      AddMenuItem(editMenu_, this, "ToggleBreakpoint1", "Toggle &breakpoint", QKeySequence("F9"));
  breakpointItem_->setShortcutContext(Qt::WidgetShortcut);
  text_->addAction(breakpointItem_);
  connect(breakpointItem_, &QAction::triggered, this, &EditorWindow::ToggleBreakpointAtCaret);
  editMenu_->addSeparator();
  insertFileItem_ = AddMenuItem(editMenu_, this, "Insertfile", "&Insert file");
  QAction* writeBlock = AddMenuItem(editMenu_, this, "Writeblock", "Se&lection to file");
  fontItem_ = AddMenuItem(editMenu_, this, "Font", "F&ont");
  connect(insertFileItem_, &QAction::triggered, this, &EditorWindow::InsertFile);
  connect(writeBlock, &QAction::triggered, this, &EditorWindow::WriteSelectionToFile);
  connect(fontItem_, &QAction::triggered, this, &EditorWindow::ChooseFont);
  editMenu_->addSeparator();
  connect(AddMenuItem(editMenu_, this, "Options1", "&Options"), &QAction::triggered, this,
          &EditorWindow::ShowEditorOptions);
}

void EditorWindow::CreatePopupMenu() {
  popupMenu_ = new QMenu(this);
  popupMenu_->setObjectName("PopupMenu1");
  const std::array<std::tuple<const char*, QString, const char*>, 12> items = {{
      {"menu_Undo", "Undo", "Undo"},
      {"menu_Redo", "Redo", "Redo1"},
      {"find1", "&Find", "Find"},
      {"FindNext2", "Find &Next", "FindNext1"},
      {"replace1", "&Replace", "Replace"},
      {"Cut1", "Cu&t", "Cut"},
      {"copy1", "&Copy", "Copy"},
      {"paste1", "&Paste", "Paste"},
      {"Delete1", "&Delete", "Delete"},
      {"Selectall1", "&Select all", "Selectall"},
      {"Print2", "Print", "Print1"},
      {"More1", "More...", "Options1"},
  }};
  for (const auto& [name, caption, repeats] : items) {
    QAction* item = AddMenuItem(popupMenu_, this, name, caption, PopupShortcut(name));
    item->setShortcutContext(Qt::WidgetShortcut);
    connect(item, &QAction::triggered, findChild<QAction*>(repeats, Qt::FindDirectChildrenOnly),
            &QAction::trigger);
  }
}

void EditorWindow::SetTextFont() {
  textFont_ = FixedFont::OfPoints(kTextFontPoints);
  text_->setFont(FixedFont::Zoomed(textFont_, zoom_));
  SetPaletteColour(text_, QPalette::Text, Qt::black);
}

// The font the user chose stays as chosen; the text shows it at the zoom level.
void EditorWindow::SetZoom(const ZoomLevel& zoom) {
  zoom_ = zoom;
  text_->setFont(FixedFont::Zoomed(textFont_, zoom));
  commands_->ApplyTabStops();
}

void EditorWindow::ApplyKind() { ApplyKind(EditKindFromFileName(fileName_.toStdString())); }

// The colouring default is taken for the two source kinds, a text file is
// plain, and the listing keeps what it has.
void EditorWindow::ApplyKind(EditKind kind) {
  kind_ = kind;
  const EditorDefaults& defaults = host_.Settings().editor;
  const bool source = kind == EditKind::AssemblerSource || kind == EditKind::MicrocodeSource;
  highlighter_->SetKind(kind);
  setWindowTitle(QString::fromStdString(EditorFileName::Caption(kind, fileName_.toStdString())));
  const int background = source                               ? defaults.sourcesBackground
                         : kind == EditKind::AssemblerListing ? kListingBackground
                                                              : defaults.textBackground;
  commands_->SetBackground(ColourFromBgr(static_cast<uint32_t>(background)));
  ShowToolBarFor(kind);
  fontItem_->setEnabled(!source);
  text_->setReadOnly(kind == EditKind::AssemblerListing);
  insertFileItem_->setEnabled(kind != EditKind::AssemblerListing);
  if (source) commands_->SwitchColouring(defaults.options.syntaxColoring);
  if (kind == EditKind::TextFile) commands_->SwitchColouring(false);
  translator_ = host_.TranslatorFor(kind);
  if (kind == EditKind::AssemblerListing) resize(kListingWidth, height());
  text_->show();
  RefreshGutter();
  RefreshIndicators();
}

void EditorWindow::RefreshGutter() {
  const bool assembler = kind_ == EditKind::AssemblerSource;
  gutter_->setVisible(kind_ && *kind_ != EditKind::AssemblerListing && Options().lineNumbers);
  gutter_->ShowBreakpointMarks(assembler);
  breakpointItem_->setEnabled(assembler);
}

void EditorWindow::ToggleBreakpoint(int line) {
  if (kind_ != EditKind::AssemblerSource) return;
  const QTextBlock block = text_->document()->findBlockByNumber(line);
  if (!block.isValid()) return;
  const std::optional<TextChange> change =
      BreakpointMark::Toggle(block.text().toLatin1().toStdString(), block.position());
  if (!change) return;
  commands_->ApplyUserChange(*change);
  if (host_.ProgramLoadedFrom(this)) ValidateLoadedBreakpoints();
}

void EditorWindow::ToggleBreakpointAtCaret() { ToggleBreakpoint(text_->textCursor().blockNumber()); }

// What the Breakpoints button does, without its message: the marks become
// the breakpoint list, and the current-line mark stays where the PC is.
// A running program keeps its list until it stops.
void EditorWindow::ValidateLoadedBreakpoints() {
  if (ProcessorBusy()) return;
  Build(false, false, true);
  ShowPcLine();
}

const EditorOptions& EditorWindow::Options() const { return commands_->Options(); }

void EditorWindow::ShowToolBarFor(EditKind kind) {
  const bool assembler = kind == EditKind::AssemblerSource;
  const bool source = assembler || kind == EditKind::MicrocodeSource;
  buildBar_->setVisible(kind != EditKind::AssemblerListing);
  makeButton_->setVisible(source);
  loadButton_->setVisible(source);
  goButton_->setVisible(assembler);
  breakpointsButton_->hide();
  colouringIndicator_->setVisible(source);
  if (!source) return;
  makeButton_->setToolTip(assembler ? "Assemble program" : "Assemble microcode");
  loadButton_->setToolTip(assembler ? "Load program in main memory" : "Load microcode to MCROM");
}

void EditorWindow::SetUntitledName(const QString& name) {
  fileName_ = name;
  setWindowTitle(name);
}

bool EditorWindow::LoadFile(const QString& name) {
  QString error;
  const auto bytes = EditorFile::Read(name, &error);
  if (!bytes) {
    host_.ShowError(kCannotOpen.arg(name, error));
    return false;
  }
  const EditorFile::Contents contents = EditorFile::Decode(Bytes(LineEnds::TextFromFile(View(*bytes))));
  fileName_ = name;
  encoding_ = contents.encoding;
  ApplyKind();
  text_->setUpdatesEnabled(false);
  text_->setPlainText(contents.text);
  text_->setUpdatesEnabled(true);
  text_->document()->setModified(false);
  commands_->InitialiseUndo();
  commands_->MarkSaved();
  return true;
}

bool EditorWindow::IsModified() const { return text_->document()->isModified(); }

void EditorWindow::SaveFile() {
  if (EditorFileName::IsUntitled(fileName_.toStdString())) {
    SaveFileAs();
    return;
  }
  SaveText();
}

void EditorWindow::SaveFileAs() {
  const QString oldName = fileName_;
  if (const auto type = EditorFileName::FileTypeOf(fileName_.toStdString())) saveFilterIndex_ = *type;
  const QString chosen =
      Dialogs::Current().SaveFileName(this, "Save as", fileName_, kSaveFilters, &saveFilterIndex_, false);
  if (chosen.isEmpty()) return;
  fileName_ =
      QString::fromStdString(EditorFileName::WithTypeExtension(chosen.toStdString(), saveFilterIndex_));
  if (QFileInfo::exists(fileName_) &&
      host_.AskYesNoCancel("Overwrite existing file " + fileName_ + "?") != Dialogs::Answer::Yes) {
    fileName_ = oldName;
    return;
  }
  if (!SaveText()) {
    fileName_ = oldName;
    return;
  }
  ApplyKind();
}

// Writes the text to FileName, every line ended by CR LF, after the backup
// when one is asked for. The modified flag is cleared only when the file
// was written.
bool EditorWindow::SaveText() {
  if (host_.Settings().environment.createBakFiles && QFileInfo::exists(fileName_) && !MakeBackup())
    return false;
  const QByteArray text = EditorFile::Encode(CoreText::PlainText(*text_), encoding_);
  if (!host_.ReplaceFile(fileName_, Bytes(LineEnds::FileFromText(View(text))))) return false;
  text_->document()->setModified(false);
  commands_->MarkSaved();
  return true;
}

// Copies the file to its backup name first, so that the file itself is only
// ever replaced whole; an older backup is replaced whole too, or kept as it
// was when the copy fails (and then nothing is saved). A file whose own name
// is its backup name is saved without a backup.
bool EditorWindow::MakeBackup() {
  const QString backup = QString::fromStdString(EditorFileName::BackupName(fileName_.toStdString()));
  if (QFileInfo(backup) == QFileInfo(fileName_)) return true;
  QString error;
  const std::optional<QByteArray> original = EditorFile::Read(fileName_, &error);
  if (!original) {
    host_.ShowCannotSave(backup, error);
    return false;
  }
  return host_.ReplaceFile(backup, *original);
}

void EditorWindow::Print() {
  QTextDocument* document = text_->document();
  document->setMetaInformation(QTextDocument::DocumentTitle, fileName_);
  Dialogs::Current().Print(this, *document);
}

void EditorWindow::ChooseFont() {
  const auto font = Dialogs::Current().ChooseFont(this, textFont_);
  if (!font) return;
  if (Options().syntaxColoring) commands_->SwitchColouring(false);
  textFont_ = *font;
  text_->setFont(FixedFont::Zoomed(textFont_, zoom_));
  commands_->ApplyTabStops();
}

void EditorWindow::ShowEditorOptions() {
  auto* dialog = new EditorOptionsDialog(*commands_, this);
  connect(dialog, &EditorOptionsDialog::fontItemEnabled, fontItem_, &QAction::setEnabled);
  dialog->Open();
}

// Inserts a whole file at the caret (replacing the selection), its line
// ends made the editor's; the inserted text is selected afterwards.
void EditorWindow::InsertFile() {
  if (text_->isReadOnly()) return;
  const QString name = host_.OpenDialogFileName(EditorFileName::kTextType);
  if (name.isEmpty()) return;
  QString error;
  const std::optional<QByteArray> bytes = EditorFile::Read(name, &error);
  if (!bytes) {
    host_.ShowError("File not found");
    return;
  }
  const QString text = EditorFile::Decode(Bytes(LineEnds::InsertedText(View(*bytes)))).text;
  QTextCursor cursor = text_->textCursor();
  const int start = cursor.selectionStart();
  cursor.insertText(text);
  cursor.setPosition(start);
  cursor.setPosition(start + static_cast<int>(text.size()), QTextCursor::KeepAnchor);
  text_->setTextCursor(cursor);
}

void EditorWindow::WriteSelectionToFile() {
  int fileType = EditorFileName::kTextType;
  const QString name =
      Dialogs::Current().SaveFileName(this, "Selection to file", "*.txt", kSaveFilters, &fileType, true);
  if (name.isEmpty()) return;
  const QByteArray text = EditorFile::Encode(SelectedText(), encoding_);
  host_.ReplaceFile(name, Bytes(LineEnds::WithCrLf(View(text))));
}

QString EditorWindow::SelectedText() const {
  const QTextCursor cursor = text_->textCursor();
  return CoreText::PlainText(*text_).mid(cursor.selectionStart(),
                                         cursor.selectionEnd() - cursor.selectionStart());
}

EditorWindow::CloseAnswer EditorWindow::AskToClose() {
  if (!IsModified()) return CloseAnswer::Close;
  switch (host_.AskYesNoCancel("File " + windowTitle() + " has changed, Save?")) {
    case Dialogs::Answer::Yes: SaveFile(); return IsModified() ? CloseAnswer::Stay : CloseAnswer::Close;
    case Dialogs::Answer::No: return CloseAnswer::Discard;
    default: return CloseAnswer::Stay;
  }
}

void EditorWindow::DiscardChanges() { text_->document()->setModified(false); }

bool EditorWindow::MayClose() {
  const CloseAnswer answer = AskToClose();
  if (answer == CloseAnswer::Discard) DiscardChanges();
  return answer != CloseAnswer::Stay;
}

void EditorWindow::closeEvent(QCloseEvent* event) {
  if (!MayClose()) {
    event->ignore();
    return;
  }
  OnClosed();
  QMdiSubWindow::closeEvent(event);
}

void EditorWindow::OnClosed() {
  RecordBounds();
  host_.EditorClosed(this);
}

QString EditorWindow::WordAtCursor() const { return commands_->WordAtCursor(); }

void EditorWindow::OnMakeClicked() {
  if (Build(false, false, false) && kind_ == EditKind::MicrocodeSource) host_.ShowInfo("Microcode OK");
}

void EditorWindow::OnLoadClicked() {
  if (!Build(true, false, false)) return;
  if (kind_ == EditKind::MicrocodeSource) host_.ShowInfo("MCROM is updated");
  if (kind_ == EditKind::AssemblerSource) breakpointsButton_->show();
}

void EditorWindow::OnGoClicked() {
  if (!Build(true, true, false) || kind_ != EditKind::AssemblerSource) return;
  breakpointsButton_->show();
  host_.RunProgram();
}

// Rebuilds the breakpoint list and the line map only; the processor's
// current line is shown again when there is a processor window.
void EditorWindow::OnBreakpointsClicked() {
  if (ProcessorBusy()) {
    host_.ShowError(kProcessorRunning);
    return;
  }
  if (Build(false, false, true)) host_.ShowInfo("Breakpoints valid");
  ShowPcLine();
}

void EditorWindow::ShowPcLine() {
  if (const std::optional<uint16_t> pc = host_.ProcessorPc())
    ShowSourceLine(host_.Hardware().lineMap.At(*pc));
}

bool EditorWindow::ProcessorBusy() const { return host_.ProcessorRunning(); }

// Make, Load and Go are refused while the processor runs. The request
// flags that belong to one build (run after load, breakpoints only) are
// cleared again whatever its outcome.
bool EditorWindow::Build(bool load, bool run, bool breakpointsOnly) {
  if (translator_ == nullptr) return false;
  if (!breakpointsOnly && ProcessorBusy()) {
    host_.ShowWarning(kResetFirst);
    return false;
  }
  ClearSourceLine();
  SourceLineHighlight::MarkTextCacheStale();
  translator_->loadAfterBuild = load;
  translator_->runAfterLoad = run;
  translator_->breakpointsOnly = breakpointsOnly;
  host_.BuildProject(this);
  translator_->runAfterLoad = false;
  translator_->breakpointsOnly = false;
  return translator_->Succeeded();
}

void EditorWindow::ShowErrors(const std::vector<BuildError>& errors) {
  errorList_->ShowErrors(errors);
  errorPanel_->show();
  errorList_->setFocus();
  clearErrorsButton_->show();
  text_->viewport()->update();
}

void EditorWindow::HideErrors() {
  errorPanel_->hide();
  clearErrorsButton_->hide();
  text_->viewport()->update();
}

void EditorWindow::OnErrorListClicked() { errorList_->OnErrorListClicked(); }

void EditorWindow::ShowSourceLine(int position) { sourceLine_->ShowSourceLine(position); }

void EditorWindow::ClearSourceLine() { sourceLine_->ClearSourceLine(); }

WindowBounds EditorWindow::Bounds() const {
  const QRect bounds = geometry();
  return {bounds.left(), bounds.top(), bounds.width(), bounds.height()};
}

void EditorWindow::SetBounds(const WindowBounds& bounds) {
  setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
}

void EditorWindow::CopyReopenItems(const std::array<QAction*, RecentFiles::kMenuItems>& items) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    reopenItems_[i]->setText(items[i]->text());
    reopenItems_[i]->setVisible(items[i]->isVisible());
  }
}

void EditorWindow::showEvent(QShowEvent* event) {
  QMdiSubWindow::showEvent(event);
  host_.SetProjectEditor(this);
  ArrangeToolBar();
  RefreshIndicators();
  UpdatePosition();
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event) {
  // A resize, or a button or indicator shown or hidden.
  if (watched == buildBar_ && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)) {
    ArrangeToolBar();
  }
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched == colouringIndicator_) OnColouringIndicatorClicked();
    if (watched == insertIndicator_) text_->setFocus();
    if (watched == wrapIndicator_) OnWrapIndicatorClicked();
  }
  return QMdiSubWindow::eventFilter(watched, event);
}

// The indicators share the buttons' row only when they fit beside them.
void EditorWindow::ArrangeToolBar() {
  int buttonsWidth = 0;
  for (const QToolButton* button : ToolBarButtons()) {
    if (!button->isHidden()) buttonsWidth += button->sizeHint().width() + kToolBarSpacing;
  }
  const int room = buildBar_->contentsRect().width() - 2 * kToolBarMargin;
  const bool oneRow = buttonsWidth + kIndicatorsGap + indicators_->sizeHint().width() <= room;
  QHBoxLayout* row = oneRow ? firstRow_ : secondRow_;
  if (row->indexOf(indicators_) >= 0) return;
  (oneRow ? secondRow_ : firstRow_)->removeWidget(indicators_);
  row->addWidget(indicators_);
  buildBar_->setFixedHeight(oneRow ? kToolBarHeight : kToolBarHeight + kSecondRowHeight);
}

void EditorWindow::RefreshIndicators() {
  const bool colouring = Options().syntaxColoring;
  SetPaletteColour(colouringIndicator_, QPalette::WindowText,
                   ColourFromBgr(colouring ? kColouringOn : kColouringOff));
  QFont bold = colouringIndicator_->font();
  bold.setBold(colouring);
  colouringIndicator_->setFont(bold);
  insertIndicator_->setText(commands_->InsertIndicator());
  SetPaletteColour(
      wrapIndicator_, QPalette::WindowText,
      Options().wordWrap ? QColor(Qt::black) : palette().color(QPalette::Disabled, QPalette::WindowText));
  wrapIndicator_->setCursor(colouring ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void EditorWindow::UpdatePosition() {
  const QTextCursor cursor = text_->textCursor();
  positionIndicator_->setText(
      QString::asprintf("%3d:%3d", cursor.blockNumber() + 1, cursor.positionInBlock() + 1));
}

void EditorWindow::OnColouringIndicatorClicked() {
  commands_->SwitchColouring(!Options().syntaxColoring);
  text_->setFocus();
}

void EditorWindow::OnWrapIndicatorClicked() {
  commands_->ToggleWordWrap();
  text_->setFocus();
}

}  // namespace tav2
