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
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <string>
#include <string_view>

#include "editor/editorfilename.h"
#include "editor/lineends.h"
#include "editor/tabs.h"
#include "editor/textcommands.h"
#include "gui/shell/colorref.h"
#include "gui/shell/commanditems.h"
#include "gui/shell/dialogs.h"
#include "gui/shell/tmainform.h"
#include "lang/tparserparent.h"

namespace tav2 {

namespace {

constexpr int kToolBarHeight = 30;
constexpr int kErrorPanelHeight = 84;
constexpr int kIndicatorTop = 5;
constexpr int kIndicatorHeight = 20;
constexpr int kColouringOn = 0x800080;   // purple
constexpr int kColouringOff = 0x808080;  // grey
constexpr int kErrorListText = 0x008080;  // olive

const QString kCannotOpen = QStringLiteral("Cannot open file \"%1\". %2");
const QString kCannotCreate = QStringLiteral("Cannot create file \"%1\". %2");

std::string_view View(const QByteArray& bytes) {
  return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray Bytes(const std::string& text) { return QByteArray::fromStdString(text); }

// The text with one character per position, so that positions of the core
// text commands are those of the text control; characters beyond ASCII,
// which no command treats as word characters, become 0x80.
std::string PositionalText(const QString& text) {
  std::string narrow(static_cast<std::size_t>(text.size()), '\x80');
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t ch = text[i].unicode();
    if (ch < 0x80) narrow[static_cast<std::size_t>(i)] = static_cast<char>(ch);
  }
  return narrow;
}

void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

}  // namespace

TEditform::TEditform(TMainform& mainform) : mainform_(mainform), options_(mainform.Settings().editor.options) {
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
  richEdit1_->setUndoRedoEnabled(false);
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
  CreateMenus();

  connect(richEdit1_, &QPlainTextEdit::cursorPositionChanged, this, &TEditform::UpdatePosition);
  connect(richEdit1_, &QPlainTextEdit::selectionChanged, this, &TEditform::UpdatePosition);
  connect(richEdit1_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { popupMenu1_->popup(richEdit1_->viewport()->mapToGlobal(at)); });

  mainform_.MdiArea()->addSubWindow(this);
  ApplyTabStops();
  SetBounds(mainform_.Layout().defaults.editor);
  RecordBounds();
  CopyReopenItems(mainform_.ReopenItems());
  SetWordWrap(options_.wordWrap);
  richEdit1_->document()->setModified(false);
}

void TEditform::CreateToolBar(QWidget* client) {
  panel3_ = new QFrame(client);
  panel3_->setObjectName("Panel3");
  panel3_->setFrameShape(QFrame::StyledPanel);
  panel3_->setFixedHeight(kToolBarHeight);
  auto* row = new QHBoxLayout(panel3_);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(2);
  makeknop_ = MakeButton(panel3_, "Makeknop", "Make", "");
  loadknop_ = MakeButton(panel3_, "Loadknop", "Load", "");
  goknop_ = MakeButton(panel3_, "Goknop", "Go", "Load program and run");
  herstelknop_ = MakeButton(panel3_, "Herstelknop", "Clear", "Clear Errorwindow");
  breakpointknop_ = MakeButton(panel3_, "breakpointknop", "Breakpoints", "Validate Breakpoints");
  for (QToolButton* button : {makeknop_, loadknop_, goknop_, herstelknop_, breakpointknop_}) row->addWidget(button);
  row->addStretch();
  herstelknop_->hide();
  breakpointknop_->hide();
  connect(makeknop_, &QToolButton::clicked, this, &TEditform::FromEditor1Click);
  connect(loadknop_, &QToolButton::clicked, this, &TEditform::LoadknopClick);
  connect(goknop_, &QToolButton::clicked, this, &TEditform::GoknopClick);
  connect(herstelknop_, &QToolButton::clicked, this, [this] { mainform_.ClearErrorList(this); });

  syncolvenster_ = MakeIndicator("syncolvenster", "##", 26, "Syntax coloring");
  insertvenster_ = MakeIndicator("insertvenster", " INS", 34, "");
  positievenster_ = MakeIndicator("positievenster", "   1:  1 ", 56, "");
  wrapvenster_ = MakeIndicator("wrapvenster", "WRP", 36, "");
  panel3_->installEventFilter(this);
}

QLabel* TEditform::MakeIndicator(const char* name, const QString& text, int width, const QString& hint) {
  auto* indicator = new QLabel(text, panel3_);
  indicator->setObjectName(name);
  indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  indicator->setAlignment(Qt::AlignCenter);
  indicator->setToolTip(hint);
  indicator->resize(width, kIndicatorHeight);
  indicator->installEventFilter(this);
  return indicator;
}

void TEditform::CreateErrorPanel(QWidget* client) {
  panel1_ = new QFrame(client);
  panel1_->setObjectName("Panel1");
  panel1_->setFixedHeight(kErrorPanelHeight);
  auto* column = new QVBoxLayout(panel1_);
  column->setContentsMargins(0, 0, 0, 0);
  memo1_ = new QPlainTextEdit(panel1_);
  memo1_->setObjectName("Memo1");
  memo1_->setReadOnly(true);
  memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SetTextColour(memo1_, QPalette::Text, ColorFromRef(kErrorListText));
  column->addWidget(memo1_);
  panel1_->hide();
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
  AddMenuItem(fileMenu_, this, "Open1", "&Open...");
  connect(fileMenu_->actions().last(), &QAction::triggered, this, [this] { mainform_.OpenFileClick(); });

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

// The Edit menu. Cut, Copy, Paste, Delete and Select all are the text
// control's own operations; Insert file, Selection to file and Font are
// this window's. The editing commands (undo ring, find and replace, case,
// brackets, indenting) and the per-editor options dialog connect to their
// items here by name; the popup items follow the Edit items they repeat.
void TEditform::CreateEditMenu() {
  editMenu_ = new QMenu("&Edit", this);
  editMenu_->setObjectName("EditMenu");
  AddMenuItem(editMenu_, this, "Undo", "Undo ", QKeySequence("Ctrl+Z"));
  AddMenuItem(editMenu_, this, "UndoUndo1", "Cancel undo's");
  editMenu_->addSeparator();
  AddMenuItem(editMenu_, this, "Find", "&Find", QKeySequence("Ctrl+F"));
  AddMenuItem(editMenu_, this, "Replace", "&Replace", QKeySequence("Ctrl+R"));
  AddMenuItem(editMenu_, this, "FindNext1", "Search &Again", QKeySequence("F3"));
  editMenu_->addSeparator();
  QAction* cut = AddMenuItem(editMenu_, this, "Cut", "Cu&t", QKeySequence("Ctrl+X"));
  QAction* copy = AddMenuItem(editMenu_, this, "Copy", "&Copy", QKeySequence("Ctrl+C"));
  QAction* paste = AddMenuItem(editMenu_, this, "Paste", "&Paste", QKeySequence("Ctrl+V"));
  QAction* remove = AddMenuItem(editMenu_, this, "Delete", "&Delete");
  QAction* selectAll = AddMenuItem(editMenu_, this, "Selectall", "&Select all", QKeySequence("Ctrl+A"));
  connect(cut, &QAction::triggered, richEdit1_, &QPlainTextEdit::cut);
  connect(copy, &QAction::triggered, richEdit1_, &QPlainTextEdit::copy);
  connect(paste, &QAction::triggered, richEdit1_, &QPlainTextEdit::paste);
  connect(remove, &QAction::triggered, this, [this] { richEdit1_->textCursor().removeSelectedText(); });
  connect(selectAll, &QAction::triggered, richEdit1_, &QPlainTextEdit::selectAll);
  editMenu_->addSeparator();
  AddMenuItem(editMenu_, this, "FlipCase1", "Re&vert Case", QKeySequence("Ctrl+U"));
  AddMenuItem(editMenu_, this, "Matchingbracket1", "Match &Bracket", QKeySequence("Ctrl+B"));
  AddMenuItem(editMenu_, this, "Blocktoright", "Indent Selection", QKeySequence("Ctrl+I"));
  AddMenuItem(editMenu_, this, "Blocktoleft", "Unindent Selection", QKeySequence("Ctrl+J"));
  editMenu_->addSeparator();
  QAction* insertFile = AddMenuItem(editMenu_, this, "Insertfile", "&Insert file");
  QAction* writeBlock = AddMenuItem(editMenu_, this, "Writeblock", "Se&lection to file");
  fontItem_ = AddMenuItem(editMenu_, this, "Font", "F&ont");
  connect(insertFile, &QAction::triggered, this, &TEditform::InsertfileClick);
  connect(writeBlock, &QAction::triggered, this, &TEditform::WriteblockClick);
  connect(fontItem_, &QAction::triggered, this, &TEditform::FontClick);
  editMenu_->addSeparator();
  AddMenuItem(editMenu_, this, "Options1", "&Options");
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
  SetTextColour(richEdit1_, QPalette::Text, Qt::black);
}

// 16 tab stops measured with the letter "n" of the window's own font; the
// document margin is the first-line indent they count from.
void TEditform::ApplyTabStops() {
  QTextDocument* document = richEdit1_->document();
  QTextOption option = document->defaultTextOption();
  QList<QTextOption::Tab> tabs;
  for (const int position : TabStopPositions(options_.tabNumber, fontMetrics().horizontalAdvance('n'))) {
    tabs << QTextOption::Tab(position, QTextOption::LeftTab);
  }
  option.setTabs(tabs);
  document->setDefaultTextOption(option);
}

void TEditform::ApplyBackground(int colorRef) { SetTextColour(richEdit1_, QPalette::Base, ColorFromRef(colorRef)); }

void TEditform::ApplyKind() { ApplyKind(EditKindFromFileName(fileName_.toStdString())); }

void TEditform::ApplyKind(EditKind kind) {
  kind_ = kind;
  const EditorDefaults& defaults = mainform_.Settings().editor;
  const bool source = kind == EditKind::AssemblerSource || kind == EditKind::MicrocodeSource;
  setWindowTitle(QString::fromStdString(EditorFileName::Caption(kind, fileName_.toStdString())));
  ApplyBackground(source                                ? defaults.sourcesBackground
                  : kind == EditKind::AssemblerListing ? kListingBackground
                                                       : defaults.textBackground);
  ShowToolBarFor(kind);
  fontItem_->setEnabled(!source);
  richEdit1_->setReadOnly(kind == EditKind::AssemblerListing);
  if (source) options_.syntaxColoring = defaults.options.syntaxColoring;
  if (kind == EditKind::TextFile) options_.syntaxColoring = false;
  translator_ = kind == EditKind::AssemblerSource   ? static_cast<TParserparent*>(&mainform_.Assembler())
                : kind == EditKind::MicrocodeSource ? static_cast<TParserparent*>(&mainform_.McParser())
                                                    : nullptr;
  if (kind == EditKind::AssemblerListing) resize(kListingWidth, height());
  richEdit1_->show();
  RefreshIndicators();
}

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
  const QByteArray text = EditorFile::Encode(richEdit1_->toPlainText(), encoding_);
  if (!WriteFile(fileName_, Bytes(LineEnds::FileFromText(View(text))), kCannotCreate)) return false;
  richEdit1_->document()->setModified(false);
  return true;
}

// Copies the file to its backup name first, so that the file itself is only
// ever replaced whole. A file whose own name is its backup name is saved
// without a backup.
bool TEditform::MakeBackup() {
  const QString backup = QString::fromStdString(EditorFileName::BackupName(fileName_.toStdString()));
  if (QFileInfo(backup) == QFileInfo(fileName_)) return true;
  QFile::remove(backup);
  QFile original(fileName_);
  if (original.copy(backup)) return true;
  mainform_.ShowError(kCannotCreate.arg(backup, original.errorString()));
  return false;
}

bool TEditform::WriteFile(const QString& name, const QByteArray& bytes, const QString& failure) {
  QString error;
  if (EditorFile::Write(name, bytes, &error)) return true;
  mainform_.ShowError(failure.arg(name, error));
  return false;
}

void TEditform::PrintClick() {
  QTextDocument* document = richEdit1_->document();
  document->setMetaInformation(QTextDocument::DocumentTitle, fileName_);
  Dialogs::Current().Print(this, *document);
}

void TEditform::FontClick() {
  const auto font = Dialogs::Current().ChooseFont(this, richEdit1_->font());
  if (!font) return;
  if (options_.syntaxColoring) SetSyntaxColoring(false);
  richEdit1_->setFont(*font);
}

// Inserts a whole file at the caret (replacing the selection), its line
// ends made the editor's; the inserted text is selected afterwards.
void TEditform::InsertfileClick() {
  const QString name = mainform_.OpenDialogFileName(EditorFileName::kTextType);
  if (name.isEmpty()) return;
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    mainform_.ShowError("File not found");
    return;
  }
  const QString text = EditorFile::Decode(Bytes(LineEnds::InsertedText(View(file.readAll())))).text;
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
  QString error;
  if (!EditorFile::Write(name, Bytes(LineEnds::WithCrLf(View(text))), &error)) {
    mainform_.ShowError("File can not be opened");
  }
}

QString TEditform::SelectedText() const {
  const QTextCursor cursor = richEdit1_->textCursor();
  return richEdit1_->toPlainText().mid(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
}

bool TEditform::FormCloseQuery() {
  if (!IsModified()) return true;
  switch (mainform_.AskYesNoCancel("File " + windowTitle() + " has changed, Save?")) {
    case Dialogs::Answer::Yes:
      SaveFileClick();
      return !IsModified();
    case Dialogs::Answer::No:
      richEdit1_->document()->setModified(false);
      return true;
    default:
      return false;
  }
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

QString TEditform::WordAtCursor() const {
  const QString text = richEdit1_->toPlainText();
  const QTextCursor cursor = richEdit1_->textCursor();
  const Selection selection{cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
  const std::string word = ::tav2::WordAtCursor(PositionalText(text), selection);
  if (!selection.Empty()) return text.mid(selection.start, static_cast<qsizetype>(word.size()));
  return QString::fromLatin1(word);
}

void TEditform::FromEditor1Click() { Build(false, false); }

void TEditform::LoadknopClick() { Build(true, false); }

void TEditform::GoknopClick() { Build(true, true); }

void TEditform::Build(bool load, bool run) {
  if (translator_ == nullptr) return;
  translator_->LoadAfterBuild = load;
  translator_->RunAfterLoad = run;
  mainform_.fromProject1Click(this);
  translator_->RunAfterLoad = false;
}

void TEditform::ShowErrors(const QStringList& lines) {
  memo1_->setPlainText(lines.join('\n'));
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

void TEditform::SetSyntaxColoring(bool on) {
  options_.syntaxColoring = on;
  if (on) SetWordWrap(false);
  RefreshIndicators();
}

void TEditform::SetWordWrap(bool on) {
  options_.wordWrap = on;
  richEdit1_->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  RefreshIndicators();
}

void TEditform::SetInsertMode(bool insert) {
  insertMode_ = insert;
  richEdit1_->setOverwriteMode(!insert);
  RefreshIndicators();
}

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
  PlaceIndicators();
  RefreshIndicators();
  UpdatePosition();
}

bool TEditform::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panel3_ && event->type() == QEvent::Resize) PlaceIndicators();
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched == syncolvenster_) SyncolvensterClick();
    if (watched == insertvenster_) richEdit1_->setFocus();
    if (watched == wrapvenster_) WrapvensterClick();
  }
  return QMdiSubWindow::eventFilter(watched, event);
}

// The indicators keep their distance from the tool bar's right edge.
void TEditform::PlaceIndicators() {
  const int width = panel3_->width();
  syncolvenster_->move(width - 162, kIndicatorTop);
  insertvenster_->move(width - 134, kIndicatorTop);
  positievenster_->move(width - 98, kIndicatorTop);
  wrapvenster_->move(width - 41, kIndicatorTop);
}

void TEditform::RefreshIndicators() {
  const bool colouring = options_.syntaxColoring;
  SetTextColour(syncolvenster_, QPalette::WindowText, ColorFromRef(colouring ? kColouringOn : kColouringOff));
  QFont bold = syncolvenster_->font();
  bold.setBold(colouring);
  syncolvenster_->setFont(bold);
  insertvenster_->setText(insertMode_ ? " INS" : "OVR");
  SetTextColour(wrapvenster_, QPalette::WindowText,
                options_.wordWrap ? QColor(Qt::black) : palette().color(QPalette::Disabled, QPalette::WindowText));
  wrapvenster_->setCursor(colouring ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void TEditform::UpdatePosition() {
  const QTextCursor cursor = richEdit1_->textCursor();
  positievenster_->setText(QString::asprintf("%3d:%3d", cursor.blockNumber() + 1, cursor.positionInBlock() + 1));
}

void TEditform::SyncolvensterClick() {
  SetSyntaxColoring(!options_.syntaxColoring);
  richEdit1_->setFocus();
}

void TEditform::WrapvensterClick() {
  if (!options_.syntaxColoring) SetWordWrap(!options_.wordWrap);
  richEdit1_->setFocus();
}

}  // namespace tav2
