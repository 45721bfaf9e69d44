#include "gui/shell/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QResizeEvent>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/editor/editorfilename.h"
#include "gui/editor/coretext.h"
#include "gui/editor/editorfile.h"
#include "gui/editor/sourcehighlighter.h"
#include "gui/editor/editorwindow.h"
#include "gui/editor/defaulteditoroptionsdialog.h"
#include "gui/lang/assembleroptionsdialog.h"
#include "gui/common/commanditems.h"
#include "gui/common/paths.h"
#include "core/lang/sourcefile.h"
#include "gui/shell/helpwindow.h"
#include "gui/sim/memoryview.h"
#include "gui/shell/newfilechooser.h"
#include "gui/shell/environmentoptionsdialog.h"
#include "gui/common/windowframe.h"
#include "gui/sim/clockbuttonwatcher.h"
#include "gui/sim/romview.h"
#include "gui/sim/screenwindow.h"
#include "gui/sim/processorwindow.h"
#include "core/lang/helptopics.h"
#include "core/shell/layoutfile.h"
#include "core/shell/optionsfile.h"
#include "core/util/homedirectory.h"

namespace tav2 {

namespace {

constexpr const char* kErrorsInProjectFile = "Errors in projectfile";

// The widest Reopen caption, in average characters of the menu's font.
constexpr int kReopenCaptionChars = 80;

bool IsUserInput(const QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::TouchBegin: return true;
    default: return false;
  }
}

// A long path keeps its start and its file name and loses its middle.
QString ReopenCaption(const std::string& entry, const QFontMetrics& metrics) {
  return metrics
      .elidedText(QString::fromStdString(entry), Qt::ElideMiddle,
                  kReopenCaptionChars * metrics.averageCharWidth())
      .replace('&', "&&");
}

}  // namespace

MainWindow::MainWindow(const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), mcParser_(machine_.mcrom), assembler_(machine_), reporter_(*this) {
  setObjectName("TMainform");
  setWindowTitle(kCaption);
  resize(kDesignWidth, kDesignHeight);
  mdiArea_ = new QMdiArea(this);
  mdiArea_->setObjectName("MdiArea");
  mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdiArea_);
  connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MainWindow::MergeEditorMenus);
  CreateMenus();
  CreateButtonBar();
  statusLine_ = new QLabel(this);
  statusLine_->setObjectName("Statusline");
  statusBar()->addPermanentWidget(statusLine_);
  assembler_.SetReporter(&reporter_);

  ReadSettings(arguments);
  LoadStartupMicrocode();
  storedLayout_ = LayoutFile::Read(LayoutDirectories());
  if (storedLayout_) zoom_ = storedLayout_->zoom;
  Distribute();
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
  EndStartLayout();
  mdiArea_->disconnect(this);
  delete mdiArea_;
}

// Directories from the home directory the program finds from its place,
// the command-line file, the open-file list, then the options file (which
// may move the directories).
void MainWindow::ReadSettings(const QStringList& arguments) {
  const HomeDirectory home = HomeDirectory::Of(ToPath(QFileInfo(arguments.value(0)).absolutePath()));
  programDir_ = FromPath(home.path);
  homeInstalled_ = home.installed;
  settings_.environment = EnvironmentSettings::ForHomeDir(home.path);
  commandLineFile_ = arguments.value(1);
  std::error_code error;
  recentFiles_.Read(std::filesystem::current_path(error), ToPath(OwnFilesDir()));
  RefreshReopenItems();
  OptionsFile::ReadOptionsFile(settings_, PerUserDir());
  ApplyAssemblerOptions();
}

// A file of the workbench's own: the one in the current directory, or else
// the one in the home directory when only that exists. Anything but a
// regular file (a directory of that name) counts as missing.
QString MainWindow::WorkbenchFile(const QString& name) const {
  const QString home = QDir(HomeDir()).filePath(name);
  return !QFileInfo(name).isFile() && QFileInfo(home).isFile() ? home : name;
}

// The start-up micro-code fills the micro-code ROM before any window opens.
void MainWindow::LoadStartupMicrocode() {
  PrepareBuild(mcParser_);
  mcParser_.loadAfterBuild = true;
  mcParser_.ParseSourceFile(WorkbenchFile(kStartupMicrocode).toStdString());
  ReportBuild(mcParser_);
}

void MainWindow::ApplyAssemblerOptions() {
  machine_.defaultStackPointer = settings_.assembler.DefaultStackPointerWord();
}

QString MainWindow::HomeDir() const { return FromPath(settings_.environment.homeDir); }

QString MainWindow::ListingFile() const { return QDir(OwnFilesDir()).filePath(kListingFile); }

std::filesystem::path MainWindow::PerUserDir() const {
  const QString home = HomeDir();
  if (!(homeInstalled_ && home == programDir_) && QFileInfo(home).isWritable()) return {};
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/tav2";
  QDir().mkpath(dir);
  return ToPath(dir);
}

QString MainWindow::OwnFilesDir() const {
  const std::filesystem::path perUser = PerUserDir();
  return perUser.empty() ? HomeDir() : FromPath(perUser);
}

bool MainWindow::ReplaceFile(const QString& name, const QByteArray& bytes) {
  QString error;
  if (EditorFile::Write(name, bytes, &error)) return true;
  ShowCannotSave(name, error);
  return false;
}

void MainWindow::ShowCannotSave(const QString& name, const QString& reason) {
  ShowError(QString("Cannot save file \"%1\". %2").arg(name, reason));
}

void MainWindow::ShowError(const QString& text) { Dialogs::Current().ShowError(this, text); }

void MainWindow::ShowInfo(const QString& text) { Dialogs::Current().ShowInfo(this, text); }

Dialogs::Answer MainWindow::ShowWarning(const QString& text) {
  return Dialogs::Current().ShowWarning(this, text);
}

Dialogs::Answer MainWindow::AskYesNoCancel(const QString& text) {
  return Dialogs::Current().AskYesNoCancel(this, text);
}

// ---- Menus and the button bar ------------------------------------------------

void MainWindow::CreateMenus() {
  CreateFileMenu();
  editMenu_ = menuBar()->addMenu("&Edit");
  editMenu_->setObjectName("EditMenu");
  connect(AddMenuItem(editMenu_, this, "Options1", "&Options"), &QAction::triggered, this,
          &MainWindow::ShowDefaultEditorOptions);
  CreateViewMenu();
  CreateRunMenu();
  CreateOptionsMenu();
  CreateWindowMenu();
  CreateHelpMenu();
}

void MainWindow::CreateFileMenu() {
  fileMenu_ = menuBar()->addMenu("&File");
  fileMenu_->setObjectName("FileMenu");
  QMenu* newMenu = fileMenu_->addMenu("&New");
  newMenu->setObjectName("NewMenu");
  connect(AddMenuItem(newMenu, this, "textfile1", "Text File"), &QAction::triggered, this,
          [this] { NewSourceFile(EditKind::TextFile); });
  connect(AddMenuItem(newMenu, this, "Assemblerfile1", "Assembler File"), &QAction::triggered, this,
          [this] { NewSourceFile(EditKind::AssemblerSource); });
  connect(AddMenuItem(newMenu, this, "Microcodefile1", "Microcode File"), &QAction::triggered, this,
          [this] { NewSourceFile(EditKind::MicrocodeSource); });
  connect(AddMenuItem(fileMenu_, this, "OpenFile", "&Open..."), &QAction::triggered, this,
          &MainWindow::OpenFile);
  QMenu* reopen = fileMenu_->addMenu("&Reopen...");
  reopen->setObjectName("Reopenfile1");
  for (int k = 1; k <= RecentFiles::kMenuItems; ++k) {
    QAction* item = AddMenuItem(reopen, this, qPrintable(QString("source%1").arg(k)), QString());
    item->setVisible(false);
    reopenItems_[static_cast<std::size_t>(k - 1)] = item;
    connect(item, &QAction::triggered, this, [this, k] { ReopenFile(k); });
  }
  fileMenu_->addSeparator();
  connect(AddMenuItem(fileMenu_, this, "SaveAll1", "Save All"), &QAction::triggered, this,
          &MainWindow::SaveAll);
  AddMenuItem(fileMenu_, this, "CloseAll1", "Close All");
  fileMenu_->addSeparator();
  connect(AddMenuItem(fileMenu_, this, "Exit", "&Exit"), &QAction::triggered, this, &QWidget::close);
}

void MainWindow::CreateViewMenu() {
  QMenu* view = menuBar()->addMenu("&View");
  view->setObjectName("ViewMenu");
  connect(AddMenuItem(view, this, "TAVProcessor1", "&Processor"), &QAction::triggered, this,
          &MainWindow::ShowProcessorWindow);
  connect(AddMenuItem(view, this, "Assembler1", "A&ssembler source"), &QAction::triggered, this,
          &MainWindow::ShowNextAssemblerEditor);
  connect(AddMenuItem(view, this, "Assembleroutput1", "Assembler &output"), &QAction::triggered, this,
          &MainWindow::ShowListing);
  connect(AddMenuItem(view, this, "Application1", "&Application"), &QAction::triggered, this,
          &MainWindow::ShowScreenWindow);
  connect(AddMenuItem(view, this, "Memory1", "&Memory"), &QAction::triggered, this,
          &MainWindow::ShowNextMemoryView);
  connect(AddMenuItem(view, this, "Newmemory1", "&New memory view"), &QAction::triggered, this,
          &MainWindow::NewMemoryView);
  AddMenuItem(view, this, "Microcodesource1", "Micro &code source");
  connect(AddMenuItem(view, this, "MicroCodeROM1", "Micro Code &ROM"), &QAction::triggered, this,
          &MainWindow::ShowRomView);
  connect(AddMenuItem(view, this, "Text1", "&Text  "), &QAction::triggered, this,
          &MainWindow::ShowNextTextEditor);
  view->addSeparator();
  QAction* zoomIn = AddMenuItem(view, this, "Zoomin1", "Zoom &in", QKeySequence(Qt::CTRL | Qt::Key_Plus),
                                "Make the simulation windows and the editors' text larger");
  // Ctrl+= is Ctrl++ without Shift on most keyboards.
  zoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  connect(zoomIn, &QAction::triggered, this, &MainWindow::ZoomIn);
  connect(AddMenuItem(view, this, "Zoomout1", "Zoom o&ut", QKeySequence(Qt::CTRL | Qt::Key_Minus),
                      "Make the simulation windows and the editors' text smaller"),
          &QAction::triggered, this, &MainWindow::ZoomOut);
  connect(AddMenuItem(view, this, "Actualsize1", "Act&ual size", QKeySequence(Qt::CTRL | Qt::Key_0),
                      "Show the simulation windows and the editors' text at 100 %"),
          &QAction::triggered, this, &MainWindow::ActualSize);
}

// Every command of the processor, with its shortcut. The function keys
// are free elsewhere in the workbench: F1 and Ctrl+F1 are help, F3 is the
// editors' Search Again, F9 is the editors' breakpoint key. Halt and the
// steps back only act on an open processor window; the others open it.
void MainWindow::CreateRunMenu() {
  QMenu* run = menuBar()->addMenu("&Run");
  run->setObjectName("RunMenu");
  const struct {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    bool opens;
    void (ProcessorWindow::*command)();
    bool separatorAfter;
  } items[] = {
      {"Go1", "&Go", QKeySequence(Qt::Key_F5), true, &ProcessorWindow::OnGoClicked, false},
      {"Halt1", "&Halt", QKeySequence(Qt::SHIFT | Qt::Key_F5), false, &ProcessorWindow::OnHaltClicked, false},
      {"Reset1", "&Reset", QKeySequence(Qt::CTRL | Qt::Key_F5), true, &ProcessorWindow::OnResetClicked, true},
      {"Instruction1", "&Instruction", QKeySequence(Qt::Key_F11), true,
       &ProcessorWindow::OnInstructionClicked, false},
      {"Clock1", "&Clock", QKeySequence(Qt::CTRL | Qt::Key_F11), true, &ProcessorWindow::ClockCycle, false},
      {"Stepover1", "Step &over", QKeySequence(Qt::Key_F10), true, &ProcessorWindow::OnStepOverClicked,
       false},
      {"Runtocursor1", "Run to c&ursor", QKeySequence(Qt::CTRL | Qt::Key_F10), true, nullptr, true},
      {"Backinstruction1", "&Back one instruction", QKeySequence(Qt::SHIFT | Qt::Key_F11), false,
       &ProcessorWindow::OnBackInstructionClicked, false},
      {"Backclock1", "Back one c&lock", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F11), false,
       &ProcessorWindow::OnBackClockClicked, false},
  };
  for (const auto& item : items) {
    QAction* action = AddMenuItem(run, this, item.name, item.caption, item.shortcut);
    if (item.command == nullptr) {
      connect(action, &QAction::triggered, this, &MainWindow::RunToCursor);
    } else {
      connect(action, &QAction::triggered, this, [this, item] {
        if (ProcessorWindow* processor = CommandTarget(item.opens)) (processor->*item.command)();
      });
    }
    if (item.separatorAfter) run->addSeparator();
  }
  speedMenu_ = run->addMenu("&Speed");
  speedMenu_->setObjectName("SpeedMenu");
  auto* speeds = new QActionGroup(speedMenu_);
  int index = 0;
  for (const RunSpeed& speed : RunSpeed::Offered()) {
    QAction* item = AddMenuItem(speedMenu_, this, qPrintable(QString("Speed%1").arg(index++)),
                                QString::fromStdString(speed.Text()));
    item->setCheckable(true);
    speeds->addAction(item);
    connect(item, &QAction::triggered, this, [this, speed] { ChooseSpeed(speed); });
  }
  connect(speedMenu_, &QMenu::aboutToShow, this, &MainWindow::CheckSpeedItem);
  CheckSpeedItem();
}

// The item of the processor window's speed (full speed without one).
void MainWindow::CheckSpeedItem() {
  const RunSpeed speed = processor_ != nullptr ? processor_->Speed() : RunSpeed::Full();
  const auto& offered = RunSpeed::Offered();
  for (std::size_t i = 0; i < offered.size(); ++i)
    speedMenu_->actions()[static_cast<qsizetype>(i)]->setChecked(offered[i] == speed);
}

void MainWindow::CreateOptionsMenu() {
  QMenu* options = menuBar()->addMenu("&Options");
  options->setObjectName("OptionsMenu");
  connect(AddMenuItem(options, this, "Environment", "En&vironment ..."), &QAction::triggered, this,
          &MainWindow::ShowEnvironmentOptions);
  connect(AddMenuItem(options, this, "Saveoptions1", "&Editor options ..."), &QAction::triggered, this,
          &MainWindow::ShowDefaultEditorOptions);
  connect(AddMenuItem(options, this, "Assembleroptions1", "&Assembler options ..."), &QAction::triggered,
          this, &MainWindow::ShowAssemblerOptions);
  connect(AddMenuItem(options, this, "Saveoptions", "&Save all options", {},
                      "Save all options to configuration file"),
          &QAction::triggered, this, &MainWindow::WriteOptionsFile);
}

void MainWindow::CreateWindowMenu() {
  QMenu* window = menuBar()->addMenu("&Window");
  window->setObjectName("WindowMenu");
  connect(AddMenuItem(window, this, "Distribute1", "&Distribute"), &QAction::triggered, this,
          &MainWindow::Distribute);
  connect(AddMenuItem(window, this, "Tile1", "&Tile"), &QAction::triggered, mdiArea_,
          &QMdiArea::tileSubWindows);
  connect(AddMenuItem(window, this, "Cascade1", "&Cascade"), &QAction::triggered, mdiArea_,
          &QMdiArea::cascadeSubWindows);
  connect(AddMenuItem(window, this, "Storedistribution1", "&Store distribution"), &QAction::triggered, this,
          &MainWindow::StoreDistribution);
}

void MainWindow::CreateHelpMenu() {
  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName("HelpMenu");
  connect(AddMenuItem(help, this, "TopicSearch1", "&Topic Search", QKeySequence(Qt::Key_F1)),
          &QAction::triggered, this, &MainWindow::ShowHelpContents);
  connect(AddMenuItem(help, this, "ContextHelp1", "Context Help", QKeySequence(Qt::CTRL | Qt::Key_F1)),
          &QAction::triggered, this, &MainWindow::ShowContextHelp);
  connect(AddMenuItem(help, this, "ReferenceCard1", "&Reference card", {},
                      "Show the one-page reference card, to look up or print"),
          &QAction::triggered, this, &MainWindow::ShowReferenceCard);
  connect(AddMenuItem(help, this, "Gettingstarted1", "&Getting started", {}, "A first program, step by step"),
          &QAction::triggered, this, &MainWindow::ShowGettingStarted);
  connect(AddMenuItem(help, this, "About1", "About..."), &QAction::triggered, this, &MainWindow::ShowAbout);
}

void MainWindow::CreateButtonBar() {
  QToolBar* bar = addToolBar("Buttons");
  bar->setObjectName("SpeedBar");
  bar->setMovable(false);
  const auto add = [this, bar](const char* name, const QString& caption, const QString& hint, auto click) {
    QToolButton* button = MakeButton(bar, name, caption, hint);
    bar->addWidget(button);
    connect(button, &QToolButton::clicked, this, click);
    return button;
  };
  add("SpeedButton1", "", "New File", &MainWindow::NewFile)
      ->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
  add("SpeedButton2", "", "Open File", &MainWindow::OpenFile)
      ->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  add("SpeedButton3", "", "Save File", &MainWindow::SaveFile)
      ->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  add("SpeedButton4", "Save all", "Save All ", &MainWindow::SaveAll);
  add("SpeedButton5", "Print", "Print Text", &MainWindow::PrintText);
  bar->addSeparator();
  add("Textknop", "Text", "View text", &MainWindow::ShowNextTextEditor);
  add("Asmoutknop", "Asm output", "View assembler output", &MainWindow::ShowListing);
  add("Assemblerknop", "Assembler", "View assembler source", &MainWindow::ShowNextAssemblerEditor);
  add("TAV2knop", "TAV2", "View processor", &MainWindow::ShowProcessorWindow);
  add("Memoryknop", "Memory", "View memory page", &MainWindow::ShowNextMemoryView);
  add("Applicationknop", "Application", "View application screen", &MainWindow::ShowScreenWindow);
  bar->addSeparator();
  CreateTAV2Panel(bar);
}

// The processor's own buttons on the bar, shown only while the processor
// window exists. The clock button passes its press and its release on.
void MainWindow::CreateTAV2Panel(QToolBar* bar) {
  auto* panel = new QWidget(bar);
  panel->setObjectName("TAV2_panel");
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  QToolButton* clock = MakeButton(panel, "TAV_Clock", "C", "Execute clockcycle");
  row->addWidget(clock);
  row->addWidget(MakeButton(panel, "TAV_instruction", "I", "Execute instruction"));
  row->addWidget(MakeButton(panel, "TAV_go", ">>", "Run processor"));
  row->addWidget(MakeButton(panel, "TAV_halt", "H", "Halt processor"));
  row->addWidget(MakeButton(panel, "TAV_reset", "R", "Reset processor"));
  new ClockButtonWatcher(
      clock,
      [this] {
        if (processor_ != nullptr) processor_->OnClockPressed();
      },
      [this] {
        if (processor_ != nullptr) processor_->OnClockReleased();
      });
  ConnectPanelButton(panel, "TAV_instruction", &ProcessorWindow::OnInstructionClicked);
  ConnectPanelButton(panel, "TAV_go", &ProcessorWindow::OnGoClicked);
  ConnectPanelButton(panel, "TAV_halt", &ProcessorWindow::OnHaltClicked);
  ConnectPanelButton(panel, "TAV_reset", &ProcessorWindow::OnResetClicked);
  tav2Panel_ = bar->addWidget(panel);
  tav2Panel_->setVisible(false);
}

void MainWindow::ConnectPanelButton(QWidget* panel, const char* name, void (ProcessorWindow::*command)()) {
  connect(panel->findChild<QToolButton*>(name), &QToolButton::clicked, this, [this, command] {
    if (processor_ != nullptr) (processor_->*command)();
  });
}

void MainWindow::ShowProcessorPanel(bool visible) { tav2Panel_->setVisible(visible); }

// While an editor is the current child window, its File and Edit menus
// stand in for the main window's; the other menus stay.
void MainWindow::MergeEditorMenus() {
  auto* editor = qobject_cast<EditorWindow*>(mdiArea_->currentSubWindow());
  if (editor != nullptr && editor->isHidden()) editor = nullptr;
  QMenuBar* bar = menuBar();
  if (mergedEditor_) {
    bar->removeAction(mergedEditor_->FileMenu()->menuAction());
    bar->removeAction(mergedEditor_->EditMenu()->menuAction());
  }
  mergedEditor_ = editor;
  fileMenu_->menuAction()->setVisible(editor == nullptr);
  editMenu_->menuAction()->setVisible(editor == nullptr);
  if (editor == nullptr) return;
  bar->insertAction(fileMenu_->menuAction(), editor->FileMenu()->menuAction());
  bar->insertAction(fileMenu_->menuAction(), editor->EditMenu()->menuAction());
}

// ---- Editors -------------------------------------------------------------------

EditorWindow* MainWindow::CreateEditor() {
  auto* editor = new EditorWindow(*this);
  editor->SetZoom(zoom_);
  editor->show();
  return editor;
}

void MainWindow::ShowEditor(EditorWindow* editor) {
  editor->show();
  editor->raise();
  mdiArea_->setActiveSubWindow(editor);
}

EditorWindow* MainWindow::NewSourceFile(EditKind kind) {
  EditorWindow* editor = CreateEditor();
  ++newFileCounter_;
  if (kind == EditKind::MicrocodeSource) editor->LoadFile(WorkbenchFile(kNewMicrocode));
  editor->Text()->show();
  editor->Text()->setFocus();
  editor->ApplyKind(kind);
  editor->SetUntitledName(QString::fromStdString(EditorFileName::UntitledName(kind, newFileCounter_)));
  ShowEditor(editor);
  RegisterEditor(editor);
  return editor;
}

// Only a regular file is opened: a FIFO or a device could make it wait or
// read for ever.
EditorWindow* MainWindow::OpenSourceFile(const QString& name) {
  const SourceFile source = SourceFile::Check(ToPath(name));
  if (source.status == SourceFile::Status::kTooLarge) {
    ShowError(QString("can't open file: %1 (%2)").arg(name, QString::fromStdString(source.TooLargeReason())));
    return nullptr;
  }
  if (source.status != SourceFile::Status::kRead) {
    ShowError(QString("can't open file: %1").arg(name));
    return nullptr;
  }
  std::vector<WindowBounds> registered;
  for (const EditorWindow* editor : editors_.Windows()) registered.push_back(editor->Bounds());
  layout_.CascadePosition(registered);
  EditorWindow* editor = CreateEditor();
  editor->SetSaveFilterIndex(openFilterIndex_);
  editor->Text()->hide();
  if (!editor->LoadFile(name)) {
    delete editor;
    return nullptr;
  }
  RegisterEditor(editor);
  editor->Text()->show();
  editor->Text()->setFocus();
  mdiArea_->setActiveSubWindow(editor);
  return editor;
}

void MainWindow::RegisterEditor(EditorWindow* editor) {
  if (!editors_.Put(editor)) {
    ShowError(EditorSlots<EditorWindow>::kTooMuchOpenFiles);
    return;
  }
  if (recentFiles_.Forget(editor->FileName().toStdString())) RefreshReopenItems();
}

void MainWindow::EditorClosed(EditorWindow* editor) {
  if (recentFiles_.Remember(editor->FileName().toStdString())) RefreshReopenItems();
  if (projectEditor_ == editor) projectEditor_ = nullptr;
  if (!editors_.Remove(editor)) ShowError(EditorSlots<EditorWindow>::kFileNotKnown);
}

void MainWindow::RefreshReopenItems() {
  for (int k = 1; k <= RecentFiles::kMenuItems; ++k) {
    QAction* item = reopenItems_[static_cast<std::size_t>(k - 1)];
    item->setText(ReopenCaption(recentFiles_.Entry(k), fileMenu_->fontMetrics()));
    item->setVisible(recentFiles_.ItemVisible(k));
  }
  for (EditorWindow* editor : editors_.Windows()) editor->CopyReopenItems(reopenItems_);
}

void MainWindow::ReopenFile(int k) {
  const auto name = recentFiles_.TakeOut(k);
  if (!name) return;
  RefreshReopenItems();
  OpenSourceFile(QString::fromStdString(*name));
}

void MainWindow::OpenFile() {
  int index = openFilterIndex_;
  const QString name = AskOpenFileName(&index);
  if (name.isEmpty()) return;
  openDir_ = QFileInfo(name).absolutePath();
  openFilterIndex_ = index;
  OpenSourceFile(name);
}

QString MainWindow::OpenDialogFileName(int filterIndex) { return AskOpenFileName(&filterIndex); }

// The Open dialog starts in the working directory when first used and in the
// directory of the last opened file after that.
QString MainWindow::AskOpenFileName(int* filterIndex) {
  if (openDir_.isEmpty()) openDir_ = FromPath(settings_.environment.workingDir);
  return Dialogs::Current().OpenFileName(this, "Open file", openDir_, kOpenFilters, filterIndex);
}

void MainWindow::SaveAll() {
  for (EditorWindow* editor : editors_.Windows()) editor->SaveFile();
}

void MainWindow::CloseAll() {
  for (EditorWindow* editor : editors_.Windows()) editor->close();
}

void MainWindow::SaveFile() {
  EditorWindow* editor = FocusedEditor();
  if (editor == nullptr) editor = projectEditor_;
  if (editor != nullptr) editor->SaveFile();
}

void MainWindow::PrintText() {
  if (EditorWindow* editor = FocusedEditor()) editor->Print();
}

EditorWindow* MainWindow::FocusedEditor() const {
  const QWidget* focus = focusWidget();
  for (EditorWindow* editor : editors_.Windows()) {
    if (editor->Text() == focus) return editor;
  }
  return nullptr;
}

EditorWindow* MainWindow::ProjectEditor() const { return projectEditor_; }

void MainWindow::SetProjectEditor(EditorWindow* editor) { projectEditor_ = editor; }

bool MainWindow::ProgramLoadedFrom(const EditorWindow* editor) const {
  return editor != nullptr && editor == loadedEditor_;
}

EditorWindow* MainWindow::FindLoadedEditor() const { return loadedEditor_; }

EditorWindow* MainWindow::FirstEditorOfKind(EditKind kind) const {
  for (EditorWindow* editor : editors_.Windows()) {
    if (editor->Kind() == kind) return editor;
  }
  return nullptr;
}

// ---- The button bar --------------------------------------------------------------

void MainWindow::NewFile() {
  auto* chooser = new NewFileChooser(*this);
  chooser->show();
  chooser->activateWindow();
  chooser->setFocus();
}

void MainWindow::OfferNewFile() {
  if (editors_.Windows().empty()) NewFile();
}

// Visits the editors of one kind in turn; with none, the Open dialog offers
// that kind's files.
void MainWindow::ViewEditorOfKind(EditKind kind, SlotCursor& cursor, int openFilterIndex) {
  const auto slot = cursor.Next([this, kind](int candidate) {
    const EditorWindow* editor = editors_.At(candidate);
    return editor != nullptr && editor->Kind() == kind;
  });
  if (slot) {
    ShowEditor(editors_.At(*slot));
    return;
  }
  openFilterIndex_ = openFilterIndex;
  OpenFile();
}

void MainWindow::ShowNextAssemblerEditor() {
  ViewEditorOfKind(EditKind::AssemblerSource, assemblerCursor_, 1);
}

void MainWindow::ShowNextTextEditor() { ViewEditorOfKind(EditKind::TextFile, textCursor_, 3); }

void MainWindow::ShowListing() {
  if (EditorWindow* listing = FirstEditorOfKind(EditKind::AssemblerListing)) {
    listing->LoadFile(ListingFile());
    ShowEditor(listing);
    return;
  }
  OpenSourceFile(ListingFile());
}

void MainWindow::ReloadAssemblerOutput() {
  EditorWindow* listing = FirstEditorOfKind(EditKind::AssemblerListing);
  if (listing == nullptr) return;
  listing->Text()->hide();
  listing->LoadFile(ListingFile());
  listing->Text()->show();
}

// ---- Builds ------------------------------------------------------------------------

void MainWindow::PrepareBuild(Scanner& translator) {
  const EnvironmentSettings& environment = settings_.environment;
  translator.SetIncludeDirectories(environment.includeDir, environment.workingDir);
  assembler_.programStart = settings_.assembler.programStart;
  assembler_.SetListingSink(
      [this](std::string_view listing, const std::vector<std::string>&) { return WriteListing(listing); });
}

// A listing that cannot be written is reported; the listing editor then
// keeps what it shows.
bool MainWindow::WriteListing(std::string_view listing) {
  return ReplaceFile(ListingFile(), QByteArray(listing.data(), static_cast<qsizetype>(listing.size())));
}

void MainWindow::ReportBuild(const Scanner& translator) {
  if (translator.Succeeded()) {
    HideErrorList();
    return;
  }
  ShowErrorList();
  ShowError(kErrorsInProjectFile);
}

void MainWindow::BuildProject(EditorWindow* sender) {
  if (sender != nullptr) {
    projectEditor_ = sender;
  } else if (projectEditor_ == nullptr) {
    projectEditor_ = FocusedEditor();
  }
  if (projectEditor_ == nullptr) {
    ShowError("No Source");
    return;
  }
  Scanner* translator = projectEditor_->Translator();
  if (translator == nullptr) return;
  PrepareBuild(*translator);
  // One byte per character, so that the positions of the line map are the
  // editor's own.
  const CoreText text(*projectEditor_->Text());
  memoryLoaded_ = false;
  translator->ParseSource(text.View(), projectEditor_->FileName().toStdString());
  ReportBuild(*translator);
  if (memoryLoaded_) ProgramLoaded(projectEditor_, text.View());
  if (translator == &mcParser_ && mcParser_.loadAfterBuild && mcParser_.Succeeded())
    RecolourAssemblerSources();
}

// The processor window's history begins anew with the program; its lines
// name breakpoints and the target of Run to cursor. The current-line mark is
// the loaded editor's alone from now on.
void MainWindow::ProgramLoaded(EditorWindow* editor, std::string_view text) {
  loadedEditor_ = editor;
  loadedText_ = text;
  for (EditorWindow* other : editors_.Windows()) {
    if (other != editor) other->ClearSourceLine();
  }
  if (processor_ != nullptr) processor_->ProgramLoaded(text);
}

// The instruction names of assembler sources are those of the micro-code
// ROM, so a new ROM colours them again.
void MainWindow::RecolourAssemblerSources() {
  for (EditorWindow* editor : editors_.Windows()) {
    if (editor->Kind() == EditKind::AssemblerSource) editor->Highlighter().Recolour();
  }
}

// Reset and Go on the processor window, created first when it does not
// exist; nothing while a program runs.
void MainWindow::RunProgram() {
  if (processor_ == nullptr) ShowProcessorWindow();
  if (processor_ == nullptr || processor_->Running()) return;
  processor_->OnResetClicked();
  processor_->OnGoClicked();
}

void MainWindow::ShowErrorList() {
  QPointer<EditorWindow> editor = projectEditor_;
  if (editor == nullptr || editor->Translator() == nullptr) return;
  editor->ShowErrors(editor->Translator()->Errors());
  QCoreApplication::processEvents();
  if (editor != nullptr) editor->OnErrorListClicked();
}

void MainWindow::HideErrorList() {
  if (projectEditor_ != nullptr) projectEditor_->HideErrors();
  QCoreApplication::processEvents();
}

void MainWindow::ClearErrorList(EditorWindow* editor) {
  projectEditor_ = editor;
  HideErrorList();
}

// ---- Layout ------------------------------------------------------------------------

// The windows Distribute and Store distribution arrange, with their bounds.
OpenWindows MainWindow::CurrentWindows() const {
  OpenWindows open;
  open.projectEditor = projectEditor_ != nullptr;
  if (screenWindow_ != nullptr) open.screen = WindowFrame::Bounds(screenWindow_);
  for (int slot = 0; slot < kMemoryViewSlots; ++slot) {
    if (const MemoryView* view = memoryViews_.At(slot))
      open.memoryViews[static_cast<std::size_t>(slot)] = view->Settings();
  }
  if (processor_ != nullptr) open.processor = processor_->Settings();
  return open;
}

void MainWindow::Distribute() {
  const LayoutPlan plan = layout_.Distribute(width(), CurrentWindows(), zoom_);
  if (plan.editorsToRecordedBounds) {
    for (EditorWindow* editor : editors_.Windows()) editor->SetBounds(editor->RecordedBounds());
  }
  if (plan.projectEditor && projectEditor_ != nullptr) projectEditor_->SetBounds(*plan.projectEditor);
  if (plan.screen && screenWindow_ != nullptr) WindowFrame::Place(screenWindow_, *plan.screen);
  for (int slot = 0; slot < kMemoryViewSlots; ++slot) {
    const auto& settings = plan.memoryViews[static_cast<std::size_t>(slot)];
    if (MemoryView* view = memoryViews_.At(slot); settings && view != nullptr) view->ApplySettings(*settings);
  }
  if (plan.processor && processor_ != nullptr) processor_->ApplySettings(*plan.processor);
}

void MainWindow::StoreDistribution() {
  for (EditorWindow* editor : editors_.Windows()) editor->RecordBounds();
  layout_.StoreDistribution(CurrentWindows());
}

// The layout for the main window's present size, then the stored windows
// at their stored places, pulled inside the client area. Editors already
// open at the default size take the new default size.
void MainWindow::ApplyStartLayout() {
  const WindowBounds editorBefore = layout_.defaults.editor;
  // A layout for a narrow window met on the way makes the processor small;
  // the start-up layout begins again from its large size.
  if (processor_ == nullptr) layout_.defaults.processor.sizeMode = LayoutDefaults().processor.sizeMode;
  Distribute();
  if (storedLayout_) RestoreLayout(*storedLayout_);
  const WindowBounds& editorNow = layout_.defaults.editor;
  for (EditorWindow* editor : editors_.Windows()) {
    const WindowBounds bounds = editor->Bounds();
    if (bounds.width == editorBefore.width && bounds.height == editorBefore.height)
      editor->SetBounds({bounds.left, bounds.top, editorNow.width, editorNow.height});
  }
}

void MainWindow::EndStartLayout() {
  if (!startLayoutPending_) return;
  startLayoutPending_ = false;
  qApp->removeEventFilter(this);
}

void MainWindow::RestoreLayout(const StoredLayout& stored) {
  const QSize area = mdiArea_->viewport()->size();
  const auto inside = [area](const WindowBounds& bounds) {
    return WindowLayout::PulledInside(bounds, area.width(), area.height());
  };
  LayoutDefaults& defaults = layout_.defaults;
  if (stored.processor) {
    defaults.processor = {inside(stored.processor->bounds), stored.processor->sizeMode};
    if (processor_ == nullptr) ShowProcessorWindow();
    processor_->ApplySettings(defaults.processor);
  }
  if (stored.screen) {
    defaults.screen = inside(*stored.screen);
    OpenScreenWindow();
    WindowFrame::Place(screenWindow_, defaults.screen);
  }
  for (int slot = 0; slot < kMemoryViewSlots; ++slot) {
    if (const auto& view = stored.memoryViews[static_cast<std::size_t>(slot)])
      RestoreMemoryView(slot, *view, inside(view->settings.bounds));
  }
  if (stored.romView) {
    if (romView_ == nullptr) ShowRomView();
    WindowFrame::Place(romView_, inside(*stored.romView));
  }
}

void MainWindow::RestoreMemoryView(int slot, const StoredMemoryView& stored, const WindowBounds& bounds) {
  const MemoryViewSettings settings{bounds, stored.settings.pageBase};
  layout_.defaults.memoryViews[static_cast<std::size_t>(slot)] = settings;
  MemoryView* view = memoryViews_.At(slot);
  if (view == nullptr) view = OpenMemoryView(slot);
  view->Configure(settings.pageBase, stored.columns);
  view->ApplySettings(settings);
}

StoredLayout MainWindow::CurrentLayout() const {
  StoredLayout layout;
  layout.zoom = zoom_;
  if (processor_ != nullptr) layout.processor = processor_->Settings();
  if (screenWindow_ != nullptr) layout.screen = WindowFrame::Bounds(screenWindow_);
  if (romView_ != nullptr) layout.romView = WindowFrame::Bounds(romView_);
  for (int slot = 0; slot < kMemoryViewSlots; ++slot) {
    if (const MemoryView* view = memoryViews_.At(slot)) {
      layout.memoryViews[static_cast<std::size_t>(slot)] =
          StoredMemoryView{view->Settings(), view->ColumnSwitches()};
    }
  }
  return layout;
}

// Beside the open-file list: HomeDir, or the working directory.
// Beside the options file: the home directory, or the per-user directory
// when the home directory is the installed, shared one.
std::vector<std::filesystem::path> MainWindow::LayoutDirectories() const {
  return {ToPath(OwnFilesDir()), settings_.environment.workingDir};
}

// The arrangement is a convenience: a directory that refuses it costs the
// next start its layout, which is not worth a message at every exit.
void MainWindow::WriteLayoutFile() { LayoutFile::Write(LayoutDirectories(), CurrentLayout()); }

// ---- Zoom ----------------------------------------------------------------------------

void MainWindow::SetZoom(const ZoomLevel& zoom) {
  if (zoom == zoom_) return;
  layout_.Rescale(zoom_, zoom);
  zoom_ = zoom;
  if (processor_ != nullptr) processor_->SetZoom(zoom);
  if (screenWindow_ != nullptr) screenWindow_->SetZoom(zoom);
  if (romView_ != nullptr) romView_->SetZoom(zoom);
  for (MemoryView* view : memoryViews_.Windows()) view->SetZoom(zoom);
  for (EditorWindow* editor : editors_.Windows()) editor->SetZoom(zoom);
  statusBar()->showMessage(QString("Zoom %1 %").arg(zoom.Percent()));
}

void MainWindow::ZoomIn() {
  ZoomLevel zoom = zoom_;
  if (zoom.StepIn()) SetZoom(zoom);
}

void MainWindow::ZoomOut() {
  ZoomLevel zoom = zoom_;
  if (zoom.StepOut()) SetZoom(zoom);
}

void MainWindow::ActualSize() { SetZoom(ZoomLevel()); }

// ---- The simulation windows ------------------------------------------------------

void MainWindow::Wrap(QWidget* window) {
  QMdiSubWindow* frame = mdiArea_->addSubWindow(window);
  frame->show();
  window->setFocus();
}

void MainWindow::ShowChild(QWidget* window) {
  QWidget* frame = WindowFrame::Of(window);
  frame->show();
  frame->raise();
  if (auto* child = qobject_cast<QMdiSubWindow*>(frame)) mdiArea_->setActiveSubWindow(child);
}

ProcessorWindow* MainWindow::FindProcessorWindow() const { return processor_; }

Scanner* MainWindow::TranslatorFor(EditKind kind) {
  switch (kind) {
    case EditKind::AssemblerSource: return &assembler_;
    case EditKind::MicrocodeSource: return &mcParser_;
    case EditKind::AssemblerListing:
    case EditKind::TextFile: break;
  }
  return nullptr;
}

bool MainWindow::ProcessorRunning() const { return processor_ != nullptr && processor_->Running(); }

std::optional<uint16_t> MainWindow::ProcessorPc() const {
  if (processor_ == nullptr) return std::nullopt;
  return processor_->Pc();
}

ScreenWindow* MainWindow::FindScreenWindow() const { return screenWindow_; }

RomView* MainWindow::FindRomView() const { return romView_; }

void MainWindow::ShowProcessorWindow() {
  if (processor_ != nullptr) {
    ShowChild(processor_);
    return;
  }
  processor_ = new ProcessorWindow(*this);
  processor_->SetProgramText(loadedText_);
  connect(processor_, &ProcessorWindow::statusChanged, statusLine_, &QLabel::setText);
  statusLine_->setText(processor_->StatusText());
  processor_->SetZoom(zoom_);
  Wrap(processor_);
}

QString MainWindow::StatusLine() const { return statusLine_->text(); }

ProcessorWindow* MainWindow::CommandTarget(bool open) {
  if (processor_ == nullptr && open) ShowProcessorWindow();
  return processor_;
}

void MainWindow::ChooseSpeed(const RunSpeed& speed) {
  if (ProcessorWindow* processor = CommandTarget(true)) processor->SetSpeed(speed);
}

// The line is the caret's in the editor's text as it is now; its address
// comes from the text as it was loaded.
void MainWindow::RunToCursor() {
  if (loadedEditor_ == nullptr) {
    ShowError("Run to cursor: no program is loaded from an editor (use Load or Go in its editor first)");
    return;
  }
  const int line = loadedEditor_->Text()->textCursor().blockNumber() + 1;
  ProcessorWindow* processor = CommandTarget(true);
  if (processor == nullptr) return;
  const std::optional<uint16_t> address = processor->RunDebugger().AddressOfLine(line);
  if (!address) {
    ShowError(QString("Run to cursor: line %1 of %2 has no instruction in the loaded program")
                  .arg(line)
                  .arg(loadedEditor_->FileName()));
    return;
  }
  processor->RunToAddress(*address);
}

void MainWindow::ShowScreenWindow() {
  if (screenWindow_ != nullptr) {
    ShowChild(screenWindow_);
    return;
  }
  OpenScreenWindow();
}

void MainWindow::OpenScreenWindow() {
  if (screenWindow_ != nullptr) return;
  screenWindow_ = new ScreenWindow(*this);
  screenWindow_->SetZoom(zoom_);
  Wrap(screenWindow_);
}

void MainWindow::ShowRomView() {
  if (romView_ != nullptr) {
    ShowChild(romView_);
    return;
  }
  romView_ = new RomView(*this);
  romView_->SetZoom(zoom_);
  Wrap(romView_);
}

void MainWindow::ShowNextMemoryView() {
  const auto slot =
      memoryCursor_.Next([this](int candidate) { return memoryViews_.At(candidate) != nullptr; });
  if (slot) {
    ShowChild(memoryViews_.At(*slot));
    memoryViews_.At(*slot)->setFocus();
    return;
  }
  NewMemoryView();
}

void MainWindow::NewMemoryView() {
  const auto slot = memoryViews_.FirstEmpty();
  if (!slot) {
    ShowInfo(MemoryViews<MemoryView>::kMaximumReached);
    return;
  }
  OpenMemoryView(*slot);
}

MemoryView* MainWindow::OpenMemoryView(int slot) {
  auto* view = new MemoryView(*this, slot);
  view->SetZoom(zoom_);
  memoryViews_.Fill(slot, view);
  Wrap(view);
  return view;
}

void MainWindow::MemoryLoaded() {
  memoryLoaded_ = true;
  RepaintMemoryViews();
}

void MainWindow::RepaintMemoryViews() {
  for (MemoryView* view : memoryViews_.Windows()) view->PaintPage();
}

// The mark goes to the editor the program was loaded from; before any
// program was loaded from an editor, to the project editor.
EditorWindow* MainWindow::ProgramEditor() const {
  return loadedEditor_ != nullptr ? loadedEditor_.data() : projectEditor_.data();
}

void MainWindow::ShowSourceLine(int position) {
  if (EditorWindow* editor = ProgramEditor()) editor->ShowSourceLine(position);
}

void MainWindow::ClearSourceLine() {
  if (EditorWindow* editor = ProgramEditor()) editor->ClearSourceLine();
}

void MainWindow::ProcessorWindowClosed() {
  processor_ = nullptr;
  statusLine_->clear();
}

void MainWindow::ScreenWindowClosed() { screenWindow_ = nullptr; }

void MainWindow::RomViewClosed() { romView_ = nullptr; }

void MainWindow::MemoryViewClosed(MemoryView* view) { memoryViews_.Remove(view); }

// ---- Options -----------------------------------------------------------------------

void MainWindow::ShowDefaultEditorOptions() {
  auto* dialog = new DefaultEditorOptionsDialog(settings_.editor, this);
  dialog->Open();
}

void MainWindow::ShowEnvironmentOptions() {
  auto* dialog = new EnvironmentOptionsDialog(settings_.environment, programDir_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

void MainWindow::ShowAssemblerOptions() {
  auto* dialog = new AssemblerOptionsDialog(settings_.assembler, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QDialog::accepted, this, &MainWindow::ApplyAssemblerOptions);
  dialog->show();
  dialog->activateWindow();
}

void MainWindow::WriteOptionsFile() {
  const OptionsWriteResult result = OptionsFile::WriteOptionsFile(settings_, PerUserDir());
  const QString message = QString::fromStdString(result.message);
  if (result.written) {
    ShowInfo(message);
  } else {
    ShowError(message);
  }
}

// ---- Help --------------------------------------------------------------------------

HelpWindow* MainWindow::OpenHelp(const QString& file) {
  if (!QFileInfo::exists(file)) {
    ShowError(QString("Help file %1 not found").arg(QDir::toNativeSeparators(file)));
    return nullptr;
  }
  if (help_ == nullptr) help_ = new HelpWindow(this);
  help_->show();
  help_->raise();
  help_->activateWindow();
  return help_;
}

void MainWindow::ShowHelpContents() {
  const QString file = QDir(HomeDir()).filePath(kHelpFile);
  if (HelpWindow* help = OpenHelp(file)) help->ShowContents(file);
}

// The topic of the word at the caret of the focused editor (a mnemonic of
// the loaded micro-code counts too); without one, the contents, with a
// notice naming the word that has no topic.
void MainWindow::ShowContextHelp() {
  const EditorWindow* editor = FocusedEditor();
  const QString word = editor != nullptr ? editor->WordAtCursor() : QString();
  const QString file = QDir(HomeDir()).filePath(kHelpFile);
  HelpWindow* help = OpenHelp(file);
  if (help == nullptr) return;
  if (const auto topic = HelpTopics::For(word.toStdString(), machine_.mcrom)) {
    help->ShowTopic(file, QString::fromStdString(HelpTopics::Anchor(*topic)));
    return;
  }
  help->ShowContents(file);
  if (!word.isEmpty())
    help->SetNotice(QString("No help topic for \"%1\": the contents are shown.").arg(word));
}

void MainWindow::ShowReferenceCard() {
  const QString file = QDir(HomeDir()).filePath(kReferenceCardFile);
  if (HelpWindow* help = OpenHelp(file)) help->ShowContents(file);
}

void MainWindow::ShowGettingStarted() {
  const QString file = QDir(HomeDir()).filePath(kHelpFile);
  if (HelpWindow* help = OpenHelp(file)) help->ShowTopic(file, QString::fromLatin1(kGettingStartedAnchor));
}

void MainWindow::ShowAbout() {
  ShowInfo(QString("%1\n\nA teaching workbench for the microprogrammed 16-bit processor TAV2: "
                   "micro-code and assembler editors, the simulated datapath and a terminal screen.")
               .arg(kCaption));
}

// ---- Showing and shut-down ------------------------------------------------------------

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  ApplyStartLayout();
  if (commandLineFile_.isEmpty()) return;
  OpenSourceFile(commandLineFile_);
  settings_.environment.workingDir = ToPath(QFileInfo(commandLineFile_).absolutePath());
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (shown_ && startLayoutPending_) ApplyStartLayout();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (IsUserInput(event)) EndStartLayout();
  return QMainWindow::eventFilter(watched, event);
}

// Every child window is asked first; then the simulation windows' layout
// is stored, the editors close (their names enter the open-file list), the
// open-file list is written, and the options file when that is asked for.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (!MayCloseChildren()) {
    event->ignore();
    return;
  }
  WriteLayoutFile();
  CloseAll();
  WriteRecentFiles();
  QCoreApplication::processEvents();
  if (settings_.environment.saveOptionsOnExit) WriteOptionsFile();
  CloseOwnWindows();
  event->accept();
}

// Into HomeDir (or the per-user directory standing in for it), or the
// working directory when that refuses it.
void MainWindow::WriteRecentFiles() {
  const std::filesystem::path ownFilesDir = ToPath(OwnFilesDir());
  std::string failure;
  if (recentFiles_.Write(ownFilesDir, settings_.environment.workingDir, &failure)) return;
  ShowCannotSave(FromPath(ownFilesDir / RecentFiles::kFileName), QString::fromStdString(failure));
}

// Every editor is asked before any of them lets go of its text: a Cancel
// for one leaves those answered No before it modified, to be asked again.
bool MainWindow::MayCloseChildren() {
  if (processor_ != nullptr && !processor_->CanClose()) return false;
  std::vector<QPointer<EditorWindow>> discarded;
  for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
    auto* editor = qobject_cast<EditorWindow*>(window);
    if (editor == nullptr) continue;
    const EditorWindow::CloseAnswer answer = editor->AskToClose();
    if (answer == EditorWindow::CloseAnswer::Stay) return false;
    if (answer == EditorWindow::CloseAnswer::Discard) discarded.emplace_back(editor);
  }
  for (const QPointer<EditorWindow>& editor : discarded) {
    if (editor != nullptr) editor->DiscardChanges();
  }
  return true;
}

// The choosers, the help window and the dialogs (also those of the editors,
// such as Find) are windows of their own.
void MainWindow::CloseOwnWindows() {
  for (QWidget* child : findChildren<QWidget*>()) {
    if (child->isWindow() && child->isVisible()) child->close();
  }
}

}  // namespace tav2
