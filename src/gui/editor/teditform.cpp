#include "gui/editor/teditform.h"

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
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <string>
#include <string_view>

#include "editor/editorfilename.h"
#include "editor/lineends.h"
#include "gui/editor/bgrcolour.h"
#include "gui/editor/coretext.h"
#include "gui/editor/editcommands.h"
#include "gui/editor/errormemo.h"
#include "gui/editor/sourcehighlighter.h"
#include "gui/editor/sourcelinehighlight.h"
#include "gui/editor/teditoptform.h"
#include "gui/shell/commanditems.h"
#include "gui/shell/dialogs.h"
#include "gui/shell/tmainform.h"
#include "gui/sim/ttav2.h"
#include "lang/tparserparent.h"
#include "gui/shell/widgetparts.h"

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


}  // namespace

TEditform::TEditform(TMainform& mainform) : mainform_(mainform) {
  setObjectName("TEditform");
  setAttribute(Qt::WA_DeleteOnClose);

  auto* client = new QWidget;
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  CreateToolBar(client);
  column->addWidget(panel3_);

  richEdit1_ = new QPlainTextEdit(client);
  richEdit1_->setObjectName("RichEdit1");
  richEdit1_->hide();
  richEdit1_->setTabChangesFocus(false);
  richEdit1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  richEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  richEdit1_->setContextMenuPolicy(Qt::CustomContextMenu);
  richEdit1_->document()->setDocumentMargin(kFirstLineIndent);
  SetTextFont();
  column->addWidget(richEdit1_, 1);

  CreateErrorPanel(client);
  column->addWidget(panel1_);
  setWidget(client);
  CreateTextComponents();
  CreateMenus();

  connect(richEdit1_, &QPlainTextEdit::cursorPositionChanged, this, &TEditform::UpdatePosition);
  connect(richEdit1_, &QPlainTextEdit::selectionChanged, this, &TEditform::UpdatePosition);
  connect(richEdit1_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { popupMenu1_->popup(richEdit1_->viewport()->mapToGlobal(at)); });

  mainform_.MdiArea()->addSubWindow(this);
  SetBounds(mainform_.Layout().defaults.editor);
  RecordBounds();
  CopyReopenItems(mainform_.ReopenItems());
  RefreshIndicators();
  richEdit1_->document()->setModified(false);
}

// The tool bar: the buttons on the left, the indicators on the right of
// the same row when there is room for both, else on a second row.
void TEditform::CreateToolBar(QWidget* client) {
  panel3_ = new QFrame(client);
  panel3_->setObjectName("Panel3");
  panel3_->setFrameShape(QFrame::StyledPanel);
  panel3_->setFixedHeight(kToolBarHeight);
  auto* rows = new QVBoxLayout(panel3_);
  rows->setContentsMargins(kToolBarMargin, kToolBarMargin, kToolBarMargin, kToolBarMargin);
  rows->setSpacing(0);
  firstRow_ = new QHBoxLayout;
  firstRow_->setSpacing(kToolBarSpacing);
  secondRow_ = new QHBoxLayout;
  secondRow_->addStretch();
  rows->addLayout(firstRow_);
  rows->addLayout(secondRow_);
  makeknop_ = MakeButton(panel3_, "Makeknop", "Make", "");
  loadknop_ = MakeButton(panel3_, "Loadknop", "Load", "");
  goknop_ = MakeButton(panel3_, "Goknop", "Go", "Load program and run");
  herstelknop_ = MakeButton(panel3_, "Herstelknop", "Clear", "Clear Errorwindow");
  breakpointknop_ = MakeButton(panel3_, "breakpointknop", "Breakpoints", "Validate Breakpoints");
  for (QToolButton* button : ToolBarButtons()) firstRow_->addWidget(button);
  firstRow_->addStretch();
  herstelknop_->hide();
  breakpointknop_->hide();
  connect(makeknop_, &QToolButton::clicked, this, &TEditform::FromEditor1Click);
  connect(loadknop_, &QToolButton::clicked, this, &TEditform::LoadknopClick);
  connect(goknop_, &QToolButton::clicked, this, &TEditform::GoknopClick);
  connect(breakpointknop_, &QToolButton::clicked, this, &TEditform::breakpointknopClick);
  connect(herstelknop_, &QToolButton::clicked, this, [this] {
    mainform_.ClearErrorList(this);
    ClearSourceLine();
  });

  indicators_ = new QWidget(panel3_);
  indicators_->setObjectName("Indicators");
  auto* indicatorRow = new QHBoxLayout(indicators_);
  indicatorRow->setContentsMargins(0, 0, kIndicatorsRightMargin, 0);
  indicatorRow->setSpacing(kToolBarSpacing);
  syncolvenster_ = MakeIndicator("syncolvenster", "##", 26, "Syntax coloring");
  insertvenster_ = MakeIndicator("insertvenster", " INS", 34, "");
  positievenster_ = MakeIndicator("positievenster", "   1:  1 ", 56, "");
  wrapvenster_ = MakeIndicator("wrapvenster", "WRP", 36, "");
  for (QLabel* indicator : {syncolvenster_, insertvenster_, positievenster_, wrapvenster_}) {
    indicatorRow->addWidget(indicator);
  }
  firstRow_->addWidget(indicators_);
  panel3_->installEventFilter(this);
}

std::array<QToolButton*, 5> TEditform::ToolBarButtons() const {
  return {makeknop_, loadknop_, goknop_, herstelknop_, breakpointknop_};
}

QLabel* TEditform::MakeIndicator(const char* name, const QString& text, int width, const QString& hint) {
  auto* indicator = new QLabel(text, indicators_);
  indicator->setObjectName(name);
  indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  indicator->setAlignment(Qt::AlignCenter);
  indicator->setToolTip(hint);
  indicator->setFixedSize(width, kIndicatorHeight);
  indicator->installEventFilter(this);
  return indicator;
}

void TEditform::CreateErrorPanel(QWidget* client) {
  panel1_ = new QFrame(client);
  panel1_->setObjectName("Panel1");
  panel1_->setFixedHeight(kErrorPanelHeight);
  auto* column = new QVBoxLayout(panel1_);
  column->setContentsMargins(0, 0, 0, 0);
  memo1_ = new ErrorMemo(panel1_);
  column->addWidget(memo1_);
  panel1_->hide();
}

// The colouring, the editing commands with the default editor options, and
// the red source line, which a key typed into the text removes.
void TEditform::CreateTextComponents() {
  highlighter_ = new SourceHighlighter(richEdit1_->document(), mainform_.GetMachine().mcrom, EditKind::TextFile);
  commands_ = new EditCommands(richEdit1_, highlighter_);
  commands_->SetOptions(mainform_.Settings().editor.options);
  sourceLine_ = new SourceLineHighlight(richEdit1_);
  connect(commands_, &EditCommands::colouringChanged, this, &TEditform::RefreshIndicators);
  connect(commands_, &EditCommands::wordWrapChanged, this, &TEditform::RefreshIndicators);
  connect(commands_, &EditCommands::insertModeChanged, this, &TEditform::RefreshIndicators);
  connect(commands_, &EditCommands::textKeyPressed, sourceLine_, &SourceLineHighlight::ClearSourceLine);
  connect(memo1_, &ErrorMemo::errorChosen, this, [this](int position) {
    ShowSourceLine(position);
    richEdit1_->setFocus();
  });
}

void TEditform::CreateMenus() {
  CreateFileMenu();
  CreateEditMenu();
  CreatePopupMenu();
}

void TEditform::CreateFileMenu() {
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
    connect(item, &QAction::triggered, this, [this, kind = newItems[i].second] { mainform_.NewSourceFile(kind); });
  }
  connect(AddMenuItem(fileMenu_, this, "Open1", "&Open..."), &QAction::triggered, this,
          [this] { mainform_.OpenFileClick(); });

  QMenu* reopen = fileMenu_->addMenu("&Reopen...");
  reopen->setObjectName("Reopenfile1");
  for (int k = 1; k <= RecentFiles::kMenuItems; ++k) {
    QAction* item = MakeAction(this, qPrintable(QString("source%1").arg(k)), QString());
    reopen->addAction(item);
    reopenItems_[static_cast<std::size_t>(k - 1)] = item;
    connect(item, &QAction::triggered, this, [this, k] { mainform_.SourceClick(k); });
  }

  QAction* save = AddMenuItem(fileMenu_, this, "Save1", "&Save", QKeySequence("Ctrl+S"));
  connect(save, &QAction::triggered, this, &TEditform::SaveFileClick);
  QAction* saveAs = AddMenuItem(fileMenu_, this, "Saveas1", "S&ave as...");
  connect(saveAs, &QAction::triggered, this, &TEditform::SaveFileAsClick);
  QAction* print = AddMenuItem(fileMenu_, this, "Print1", "&Print");
  connect(print, &QAction::triggered, this, &TEditform::PrintClick);
  QAction* closeItem = AddMenuItem(fileMenu_, this, "Close1", "&Close");
  connect(closeItem, &QAction::triggered, this, &QWidget::close);
  fileMenu_->addSeparator();
  QAction* saveAll = AddMenuItem(fileMenu_, this, "SaveAll1", "Save All");
  connect(saveAll, &QAction::triggered, this, [this] { mainform_.SaveAll1Click(); });
  QAction* closeAll = AddMenuItem(fileMenu_, this, "CloseAll1", "Close all");
  connect(closeAll, &QAction::triggered, this, [this] { mainform_.CloseAllClick(); });
  fileMenu_->addSeparator();
  QAction* exitItem = AddMenuItem(fileMenu_, this, "Exit1", "Exit");
  connect(exitItem, &QAction::triggered, this, &QWidget::close);
}

// The Edit menu: the editing commands, Insert file, Selection to file,
// Font and the editor's options dialog.
void TEditform::CreateEditMenu() {
  editMenu_ = new QMenu("&Edit", this);
  editMenu_->setObjectName("EditMenu");
  const auto add = [this](const char* name, const QString& caption, const QKeySequence& shortcut, auto command) {
    connect(AddMenuItem(editMenu_, this, name, caption, shortcut), &QAction::triggered, commands_, command);
  };
  add("Undo", "Undo ", QKeySequence("Ctrl+Z"), &EditCommands::Undo);
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
  editMenu_->addSeparator();
  insertFileItem_ = AddMenuItem(editMenu_, this, "Insertfile", "&Insert file");
  QAction* writeBlock = AddMenuItem(editMenu_, this, "Writeblock", "Se&lection to file");
  fontItem_ = AddMenuItem(editMenu_, this, "Font", "F&ont");
  connect(insertFileItem_, &QAction::triggered, this, &TEditform::InsertfileClick);
  connect(writeBlock, &QAction::triggered, this, &TEditform::WriteblockClick);
  connect(fontItem_, &QAction::triggered, this, &TEditform::FontClick);
  editMenu_->addSeparator();
  connect(AddMenuItem(editMenu_, this, "Options1", "&Options"), &QAction::triggered, this, &TEditform::Options1Click);
}

void TEditform::CreatePopupMenu() {
  popupMenu1_ = new QMenu(this);
  popupMenu1_->setObjectName("PopupMenu1");
  const std::array<std::tuple<const char*, QString, const char*>, 11> items = {{
      {"menu_Undo", "Undo", "Undo"},
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
    const bool undo = std::string_view(name) == "menu_Undo";
    QAction* item = AddMenuItem(popupMenu1_, this, name, caption, undo ? QKeySequence("Ctrl+Z") : QKeySequence());
    item->setShortcutContext(Qt::WidgetShortcut);
    connect(item, &QAction::triggered, findChild<QAction*>(repeats, Qt::FindDirectChildrenOnly), &QAction::trigger);
  }
}

void TEditform::SetTextFont() {
  QFont font("Courier New", 10);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  richEdit1_->setFont(font);
  SetPaletteColour(richEdit1_, QPalette::Text, Qt::black);
}

void TEditform::ApplyKind() { ApplyKind(EditKindFromFileName(fileName_.toStdString())); }

// The colouring default is taken for the two source kinds, a text file is
// plain, and the listing keeps what it has.
void TEditform::ApplyKind(EditKind kind) {
  kind_ = kind;
  const EditorDefaults& defaults = mainform_.Settings().editor;
  const bool source = kind == EditKind::AssemblerSource || kind == EditKind::MicrocodeSource;
  highlighter_->SetKind(kind);
  setWindowTitle(QString::fromStdString(EditorFileName::Caption(kind, fileName_.toStdString())));
  const int background = source                                ? defaults.sourcesBackground
                         : kind == EditKind::AssemblerListing ? kListingBackground
                                                              : defaults.textBackground;
  commands_->SetBackground(ColourFromBgr(static_cast<uint32_t>(background)));
  ShowToolBarFor(kind);
  fontItem_->setEnabled(!source);
  richEdit1_->setReadOnly(kind == EditKind::AssemblerListing);
  insertFileItem_->setEnabled(kind != EditKind::AssemblerListing);
  if (source) commands_->SwitchColouring(defaults.options.syntaxColoring);
  if (kind == EditKind::TextFile) commands_->SwitchColouring(false);
  translator_ = kind == EditKind::AssemblerSource   ? static_cast<TParserparent*>(&mainform_.Assembler())
                : kind == EditKind::MicrocodeSource ? static_cast<TParserparent*>(&mainform_.McParser())
                                                    : nullptr;
  if (kind == EditKind::AssemblerListing) resize(kListingWidth, height());
  richEdit1_->show();
  RefreshIndicators();
}

const EditorOptions& TEditform::Options() const { return commands_->Options(); }

void TEditform::ShowToolBarFor(EditKind kind) {
  const bool assembler = kind == EditKind::AssemblerSource;
  const bool source = assembler || kind == EditKind::MicrocodeSource;
  panel3_->setVisible(kind != EditKind::AssemblerListing);
  makeknop_->setVisible(source);
  loadknop_->setVisible(source);
  goknop_->setVisible(assembler);
  breakpointknop_->hide();
  syncolvenster_->setVisible(source);
  if (!source) return;
  makeknop_->setToolTip(assembler ? "Assemble program" : "Assemble microcode");
  loadknop_->setToolTip(assembler ? "Load program in main memory" : "Load microcode to MCROM");
}

void TEditform::SetUntitledName(const QString& name) {
  fileName_ = name;
  setWindowTitle(name);
}

bool TEditform::LoadFile(const QString& name) {
  QString error;
  const auto bytes = EditorFile::Read(name, &error);
  if (!bytes) {
    mainform_.ShowError(kCannotOpen.arg(name, error));
    return false;
  }
  const EditorFile::Contents contents = EditorFile::Decode(Bytes(LineEnds::TextFromFile(View(*bytes))));
  fileName_ = name;
  encoding_ = contents.encoding;
  ApplyKind();
  richEdit1_->setUpdatesEnabled(false);
  richEdit1_->setPlainText(contents.text);
  richEdit1_->setUpdatesEnabled(true);
  richEdit1_->document()->setModified(false);
  commands_->InitialiseUndo();
  return true;
}

bool TEditform::IsModified() const { return richEdit1_->document()->isModified(); }

void TEditform::SaveFileClick() {
  if (EditorFileName::IsUntitled(fileName_.toStdString())) {
    SaveFileAsClick();
    return;
  }
  SaveText();
}

void TEditform::SaveFileAsClick() {
  const QString oldName = fileName_;
  if (const auto type = EditorFileName::FileTypeOf(fileName_.toStdString())) saveFilterIndex_ = *type;
  const QString chosen =
      Dialogs::Current().SaveFileName(this, "Save as", fileName_, kSaveFilters, &saveFilterIndex_, false);
  if (chosen.isEmpty()) return;
  fileName_ = QString::fromStdString(EditorFileName::WithTypeExtension(chosen.toStdString(), saveFilterIndex_));
  if (QFileInfo::exists(fileName_) &&
      mainform_.AskYesNoCancel("Overwrite existing file " + fileName_ + "?") != Dialogs::Answer::Yes) {
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
bool TEditform::SaveText() {
  if (mainform_.Settings().environment.createBakFiles && QFileInfo::exists(fileName_) && !MakeBackup()) return false;
  const QByteArray text = EditorFile::Encode(CoreText::PlainText(*richEdit1_), encoding_);
  if (!mainform_.ReplaceFile(fileName_, Bytes(LineEnds::FileFromText(View(text))))) return false;
  richEdit1_->document()->setModified(false);
  return true;
}

// Copies the file to its backup name first, so that the file itself is only
// ever replaced whole; an older backup is replaced whole too, or kept as it
// was when the copy fails (and then nothing is saved). A file whose own name
// is its backup name is saved without a backup.
bool TEditform::MakeBackup() {
  const QString backup = QString::fromStdString(EditorFileName::BackupName(fileName_.toStdString()));
  if (QFileInfo(backup) == QFileInfo(fileName_)) return true;
  QString error;
  const std::optional<QByteArray> original = EditorFile::Read(fileName_, &error);
  if (!original) {
    mainform_.ShowCannotSave(backup, error);
    return false;
  }
  return mainform_.ReplaceFile(backup, *original);
}

void TEditform::PrintClick() {
  QTextDocument* document = richEdit1_->document();
  document->setMetaInformation(QTextDocument::DocumentTitle, fileName_);
  Dialogs::Current().Print(this, *document);
}

void TEditform::FontClick() {
  const auto font = Dialogs::Current().ChooseFont(this, richEdit1_->font());
  if (!font) return;
  if (Options().syntaxColoring) commands_->SwitchColouring(false);
  richEdit1_->setFont(*font);
  commands_->ApplyTabStops();
}

void TEditform::Options1Click() {
  auto* dialog = new TEditOptForm(*commands_, this);
  connect(dialog, &TEditOptForm::fontItemEnabled, fontItem_, &QAction::setEnabled);
  dialog->Open();
}

// Inserts a whole file at the caret (replacing the selection), its line
// ends made the editor's; the inserted text is selected afterwards.
void TEditform::InsertfileClick() {
  if (richEdit1_->isReadOnly()) return;
  const QString name = mainform_.OpenDialogFileName(EditorFileName::kTextType);
  if (name.isEmpty()) return;
  QString error;
  const std::optional<QByteArray> bytes = EditorFile::Read(name, &error);
  if (!bytes) {
    mainform_.ShowError("File not found");
    return;
  }
  const QString text = EditorFile::Decode(Bytes(LineEnds::InsertedText(View(*bytes)))).text;
  QTextCursor cursor = richEdit1_->textCursor();
  const int start = cursor.selectionStart();
  cursor.insertText(text);
  cursor.setPosition(start);
  cursor.setPosition(start + static_cast<int>(text.size()), QTextCursor::KeepAnchor);
  richEdit1_->setTextCursor(cursor);
}

void TEditform::WriteblockClick() {
  int fileType = EditorFileName::kTextType;
  const QString name = Dialogs::Current().SaveFileName(this, "Selection to file", "*.txt", kSaveFilters, &fileType, true);
  if (name.isEmpty()) return;
  const QByteArray text = EditorFile::Encode(SelectedText(), encoding_);
  mainform_.ReplaceFile(name, Bytes(LineEnds::WithCrLf(View(text))));
}

QString TEditform::SelectedText() const {
  const QTextCursor cursor = richEdit1_->textCursor();
  return CoreText::PlainText(*richEdit1_).mid(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
}

TEditform::CloseAnswer TEditform::AskToClose() {
  if (!IsModified()) return CloseAnswer::Close;
  switch (mainform_.AskYesNoCancel("File " + windowTitle() + " has changed, Save?")) {
    case Dialogs::Answer::Yes:
      SaveFileClick();
      return IsModified() ? CloseAnswer::Stay : CloseAnswer::Close;
    case Dialogs::Answer::No:
      return CloseAnswer::Discard;
    default:
      return CloseAnswer::Stay;
  }
}

void TEditform::DiscardChanges() { richEdit1_->document()->setModified(false); }

bool TEditform::FormCloseQuery() {
  const CloseAnswer answer = AskToClose();
  if (answer == CloseAnswer::Discard) DiscardChanges();
  return answer != CloseAnswer::Stay;
}

void TEditform::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  FormClose();
  QMdiSubWindow::closeEvent(event);
}

void TEditform::FormClose() {
  RecordBounds();
  mainform_.EditorClosed(this);
}

QString TEditform::WordAtCursor() const { return commands_->WordAtCursor(); }

void TEditform::FromEditor1Click() {
  if (Build(false, false, false) && kind_ == EditKind::MicrocodeSource) mainform_.ShowInfo("Microcode OK");
}

void TEditform::LoadknopClick() {
  if (!Build(true, false, false)) return;
  if (kind_ == EditKind::MicrocodeSource) mainform_.ShowInfo("MCROM is updated");
  if (kind_ == EditKind::AssemblerSource) breakpointknop_->show();
}

void TEditform::GoknopClick() {
  if (!Build(true, true, false) || kind_ != EditKind::AssemblerSource) return;
  breakpointknop_->show();
  mainform_.RunProgram();
}

// Rebuilds the breakpoint list and the line map only; the processor's
// current line is shown again when there is a processor window.
void TEditform::breakpointknopClick() {
  if (ProcessorBusy()) {
    mainform_.ShowError(kProcessorRunning);
    return;
  }
  if (Build(false, false, true)) mainform_.ShowInfo("Breakpoints valid");
  if (TTAV2* processor = mainform_.ProcessorWindow()) {
    ShowSourceLine(mainform_.GetMachine().lineMap.At(processor->Pc()));
  }
}

bool TEditform::ProcessorBusy() const {
  const TTAV2* processor = mainform_.ProcessorWindow();
  return processor != nullptr && processor->Running();
}

// Make, Load and Go are refused while the processor runs. The request
// flags that belong to one build (run after load, breakpoints only) are
// cleared again whatever its outcome.
bool TEditform::Build(bool load, bool run, bool breakpointsOnly) {
  if (translator_ == nullptr) return false;
  if (!breakpointsOnly && ProcessorBusy()) {
    mainform_.ShowWarning(kResetFirst);
    return false;
  }
  ClearSourceLine();
  SourceLineHighlight::MarkTextCacheStale();
  translator_->LoadAfterBuild = load;
  translator_->RunAfterLoad = run;
  translator_->BreakpointsOnly = breakpointsOnly;
  mainform_.fromProject1Click(this);
  translator_->RunAfterLoad = false;
  translator_->BreakpointsOnly = false;
  return translator_->Succeeded();
}

void TEditform::ShowErrors(const std::vector<TError>& errors) {
  memo1_->ShowErrors(errors);
  panel1_->show();
  memo1_->setFocus();
  herstelknop_->show();
  richEdit1_->viewport()->update();
}

void TEditform::HideErrors() {
  panel1_->hide();
  herstelknop_->hide();
  richEdit1_->viewport()->update();
}

void TEditform::Memo1Click() { memo1_->Memo1Click(); }

void TEditform::ShowSourceLine(int position) { sourceLine_->ShowSourceLine(position); }

void TEditform::ClearSourceLine() { sourceLine_->ClearSourceLine(); }

WindowBounds TEditform::Bounds() const {
  const QRect bounds = geometry();
  return {bounds.left(), bounds.top(), bounds.width(), bounds.height()};
}

void TEditform::SetBounds(const WindowBounds& bounds) {
  setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
}

void TEditform::CopyReopenItems(const std::array<QAction*, RecentFiles::kMenuItems>& items) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    reopenItems_[i]->setText(items[i]->text());
    reopenItems_[i]->setVisible(items[i]->isVisible());
  }
}

void TEditform::showEvent(QShowEvent* event) {
  QMdiSubWindow::showEvent(event);
  mainform_.SetProjectEditor(this);
  ArrangeToolBar();
  RefreshIndicators();
  UpdatePosition();
}

bool TEditform::eventFilter(QObject* watched, QEvent* event) {
  // A resize, or a button or indicator shown or hidden.
  if (watched == panel3_ && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)) {
    ArrangeToolBar();
  }
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched == syncolvenster_) SyncolvensterClick();
    if (watched == insertvenster_) richEdit1_->setFocus();
    if (watched == wrapvenster_) WrapvensterClick();
  }
  return QMdiSubWindow::eventFilter(watched, event);
}

// The indicators share the buttons' row only when they fit beside them.
void TEditform::ArrangeToolBar() {
  int buttonsWidth = 0;
  for (const QToolButton* button : ToolBarButtons()) {
    if (!button->isHidden()) buttonsWidth += button->sizeHint().width() + kToolBarSpacing;
  }
  const int room = panel3_->contentsRect().width() - 2 * kToolBarMargin;
  const bool oneRow = buttonsWidth + kIndicatorsGap + indicators_->sizeHint().width() <= room;
  QHBoxLayout* row = oneRow ? firstRow_ : secondRow_;
  if (row->indexOf(indicators_) >= 0) return;
  (oneRow ? secondRow_ : firstRow_)->removeWidget(indicators_);
  row->addWidget(indicators_);
  panel3_->setFixedHeight(oneRow ? kToolBarHeight : kToolBarHeight + kSecondRowHeight);
}

void TEditform::RefreshIndicators() {
  const bool colouring = Options().syntaxColoring;
  SetPaletteColour(syncolvenster_, QPalette::WindowText, ColourFromBgr(colouring ? kColouringOn : kColouringOff));
  QFont bold = syncolvenster_->font();
  bold.setBold(colouring);
  syncolvenster_->setFont(bold);
  insertvenster_->setText(commands_->InsertIndicator());
  SetPaletteColour(wrapvenster_, QPalette::WindowText,
                Options().wordWrap ? QColor(Qt::black) : palette().color(QPalette::Disabled, QPalette::WindowText));
  wrapvenster_->setCursor(colouring ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void TEditform::UpdatePosition() {
  const QTextCursor cursor = richEdit1_->textCursor();
  positievenster_->setText(QString::asprintf("%3d:%3d", cursor.blockNumber() + 1, cursor.positionInBlock() + 1));
}

void TEditform::SyncolvensterClick() {
  commands_->SwitchColouring(!Options().syntaxColoring);
  richEdit1_->setFocus();
}

void TEditform::WrapvensterClick() {
  commands_->ToggleWordWrap();
  richEdit1_->setFocus();
}

}  // namespace tav2
