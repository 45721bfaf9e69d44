#pragma once
#include <filesystem>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "core/editor/editkind.h"
#include "gui/common/dialogs.h"
#include "gui/shell/mainwindowreporter.h"
#include "gui/editor/editorhost.h"
#include "gui/sim/processorhost.h"
#include "gui/sim/screenterminal.h"
#include "core/lang/assembler.h"
#include "core/lang/microcodeparser.h"
#include "core/shell/editorslots.h"
#include "core/shell/memoryviews.h"
#include "core/shell/recentfiles.h"
#include "core/shell/slotcursor.h"
#include "core/shell/storedlayout.h"
#include "core/shell/windowlayout.h"
#include "core/shell/zoomlevel.h"
#include "core/shell/workbenchsettings.h"
#include "core/sim/machine.h"
#include "core/sim/runspeed.h"
#include "core/sim/screengrid.h"

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace tav2 {

class EditorWindow;
class HelpWindow;
class RomView;
class ScreenWindow;

// The workbench's multi-document main window: start-up, the commands of the
// menu bar and button bar, the registry of open windows, the build request
// and its error list, the message boxes, and shut-down. It owns the
// process's machine (memory, micro-code ROM), the two translators and the
// terminal, and is the simulation windows' host.
class MainWindow : public QMainWindow, public ProcessorHost, public EditorHost {
  Q_OBJECT

 public:
  static constexpr const char* kCaption = "TAV2 SIMULATOR 0.1";
  static constexpr const char* kStartupMicrocode = "microdefs.~mc";
  static constexpr const char* kNewMicrocode = "microdefs.mca";
  static constexpr const char* kListingFile = "assembler output.~zj";
  static constexpr const char* kHelpFile = "help/TAV2.html";
  static constexpr const char* kReferenceCardFile = "help/card.html";
  static constexpr const char* kOpenFilters =
      "Assembler file (*.asm);;Microcode source (*.mca);;Text file (*.txt);;Any file (*.*)";
  static constexpr const char* kGettingStartedAnchor = "first-program";
  static constexpr int kDesignWidth = 750;
  static constexpr int kDesignHeight = 550;

  // Starts the workbench: `arguments` are the program's path and, when
  // given, a file to open once the window is first shown. The directories
  // derive from the program's path, then the open-file list, the options
  // file and the layout file are read, the start-up micro-code is loaded
  // and the windows' default layout computed. Once shown, the windows are
  // laid out for the main window's size, or as the layout file stored them;
  // until the user first clicks or types, a resize (the window manager
  // maximizing the window) lays them out again.
  explicit MainWindow(const QStringList& arguments, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The message boxes every window reports through.
  void ShowError(const QString& text) override;
  void ShowInfo(const QString& text) override;
  Dialogs::Answer ShowWarning(const QString& text) override;
  Dialogs::Answer AskYesNoCancel(const QString& text) override;

  // Writes a file for the user (a source, its backup, a selection, the
  // listing): replaced whole, or left as it was when any step of the write
  // fails; false then, after the message "Cannot save file" with the reason.
  bool ReplaceFile(const QString& name, const QByteArray& bytes) override;
  void ShowCannotSave(const QString& name, const QString& reason) override;

  WorkbenchSettings& Settings() { return settings_; }
  const WorkbenchSettings& Settings() const override { return settings_; }
  QString HomeDir() const;
  MicrocodeParser& MicrocodeTranslator() { return mcParser_; }
  Assembler& AssemblerTranslator() { return assembler_; }
  WindowLayout& Layout() { return layout_; }
  QMdiArea* MdiArea() const override { return mdiArea_; }

  // Editors and files.
  EditorWindow* NewSourceFile(EditKind kind) override;
  // Opens a file in a new editor; none (after "can't open file: %s") when
  // it cannot be read.
  EditorWindow* OpenSourceFile(const QString& name);
  void OpenFile() override;
  // The Open dialog with file type `filterIndex` for this use only; the
  // chosen name or empty.
  QString OpenDialogFileName(int filterIndex) override;
  int OpenFilterIndex() const { return openFilterIndex_; }
  const QString& OpenDir() const { return openDir_; }
  // Reopen entry k (1 to 10) of the open-file list.
  void ReopenFile(int k) override;
  void SaveAll() override;
  void CloseAll() override;
  // Save File and Print Text of the button bar.
  void SaveFile();
  void PrintText();
  // Called by a closing editor after it recorded its bounds.
  void EditorClosed(EditorWindow* editor) override;
  // The registered editor whose text has the keyboard focus.
  EditorWindow* FocusedEditor() const;
  // The editor shown or built last: target of the error list.
  EditorWindow* ProjectEditor() const;
  void SetProjectEditor(EditorWindow* editor) override;
  bool ProgramLoadedFrom(const EditorWindow* editor) const override;
  // The editor the program in main memory was loaded from, or nullptr:
  // the current-line mark goes there.
  EditorWindow* FindLoadedEditor() const;
  // The editor of the current-line mark.
  EditorWindow* ProgramEditor() const;
  const EditorSlots<EditorWindow>& Editors() const { return editors_; }
  const RecentFiles& Recent() const { return recentFiles_; }
  const std::array<QAction*, RecentFiles::kMenuItems>& ReopenItems() const override { return reopenItems_; }

  // The button bar.
  void NewFile();
  // The new-file chooser, when no editor is open yet (none came from the
  // command line).
  void OfferNewFile();
  void ShowNextAssemblerEditor();
  void ShowNextTextEditor();
  void ShowListing();
  // The single simulation windows: shown when they exist, else created.
  void ShowProcessorWindow();
  void ShowScreenWindow();
  void ShowRomView();
  // Visits the memory views in turn; creates one when there is none.
  void ShowNextMemoryView();
  // Repaints every memory view (main memory was loaded).
  void RepaintMemoryViews();
  // The assembler loaded a program into main memory.
  void MemoryLoaded();

  // The simulation windows' host.
  Machine& Hardware() override { return machine_; }

  // The editors' host (besides the commands above).
  WindowBounds DefaultEditorBounds() const override { return layout_.defaults.editor; }
  Scanner* TranslatorFor(EditKind kind) override;
  bool ProcessorRunning() const override;
  std::optional<uint16_t> ProcessorPc() const override;
  ScreenTerminal& Screen() override { return screen_; }
  LayoutDefaults& Defaults() override { return layout_.defaults; }
  ProcessorWindow* FindProcessorWindow() const override;
  MemoryView* FindMemoryView(int slot) const override { return memoryViews_.At(slot); }
  ScreenWindow* FindScreenWindow() const;
  RomView* FindRomView() const;
  // The project editor's red source line.
  void ShowSourceLine(int position) override;
  void ClearSourceLine() override;
  void ShowProcessorPanel(bool visible) override;
  void OpenScreenWindow() override;
  // A memory view in the first empty slot; "Maximum is 3 memory views"
  // when there is none.
  void NewMemoryView() override;
  void ProcessorWindowClosed() override;
  void ScreenWindowClosed() override;
  void RomViewClosed() override;
  void MemoryViewClosed(MemoryView* view) override;

  // Builds: `sender` is the editor whose button asked, or none for the
  // main window itself.
  void BuildProject(EditorWindow* sender) override;
  void RunProgram() override;
  void ShowErrorList();
  void HideErrorList();
  void ClearErrorList(EditorWindow* editor) override;
  void ReloadAssemblerOutput();

  // The Run menu's commands beside the processor window's own: Run to
  // cursor runs until the instruction of the line under the caret of the
  // editor the program was loaded from; a speed is the processor window's.
  void RunToCursor();
  void ChooseSpeed(const RunSpeed& speed);
  // The status line of the processor: its state and counters.
  QString StatusLine() const;

  // The Window menu.
  void Distribute();
  void StoreDistribution();

  // Zoom in, Zoom out and Actual size of the View menu: the simulation
  // windows with their frames, and the editors' text, at the level.
  const ZoomLevel& Zoom() const { return zoom_; }
  void SetZoom(const ZoomLevel& zoom);
  void ZoomIn();
  void ZoomOut();
  void ActualSize();

  // The open simulation windows as the layout file keeps them.
  StoredLayout CurrentLayout() const;

  // The Options menu (the default editor options also from Edit).
  void ShowDefaultEditorOptions();
  void ShowEnvironmentOptions();
  void ShowAssemblerOptions();
  void WriteOptionsFile();

  // The Help menu.
  void ShowHelpContents();
  void ShowContextHelp();
  void ShowReferenceCard();
  void ShowGettingStarted();
  void ShowAbout();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Ends the start-up layout at the user's first click or key.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateMenus();
  void CreateFileMenu();
  void CreateViewMenu();
  void CreateRunMenu();
  void CheckSpeedItem();
  // The open processor window, created first when `open` and there is none.
  ProcessorWindow* CommandTarget(bool open);
  void CreateOptionsMenu();
  void CreateWindowMenu();
  void CreateHelpMenu();
  void CreateButtonBar();
  void CreateTAV2Panel(QToolBar* bar);
  // The processor window's command for a panel button, when it exists.
  void ConnectPanelButton(QWidget* panel, const char* name, void (ProcessorWindow::*command)());

  void ReadSettings(const QStringList& arguments);
  QString AskOpenFileName(int* filterIndex);
  QString WorkbenchFile(const QString& name) const;
  void LoadStartupMicrocode();
  void ApplyAssemblerOptions();
  void PrepareBuild(Scanner& translator);
  void ReportBuild(const Scanner& translator);
  void RecolourAssemblerSources();
  void ProgramLoaded(EditorWindow* editor, std::string_view text);

  EditorWindow* CreateEditor();
  void RegisterEditor(EditorWindow* editor);
  void RefreshReopenItems();
  void ShowEditor(EditorWindow* editor);
  void ViewEditorOfKind(EditKind kind, SlotCursor& cursor, int openFilterIndex);
  EditorWindow* FirstEditorOfKind(EditKind kind) const;
  QString ListingFile() const;
  // The per-user directory ($XDG_CONFIG_HOME/tav2, made when missing) that
  // keeps the workbench's own files (options, open-file list, listing) when
  // the home directory is the installed one shared by every user, or one
  // the user cannot write; empty when the home directory keeps them.
  std::filesystem::path PerUserDir() const;
  // The home directory or the per-user directory standing in for it.
  QString OwnFilesDir() const;
  // The assembler's listing sink: the listing file in HomeDir.
  bool WriteListing(std::string_view listing);
  OpenWindows CurrentWindows() const;
  void ApplyStartLayout();
  void EndStartLayout();
  void RestoreLayout(const StoredLayout& stored);
  void RestoreMemoryView(int slot, const StoredMemoryView& stored, const WindowBounds& bounds);
  std::vector<std::filesystem::path> LayoutDirectories() const;
  void WriteLayoutFile();
  MemoryView* OpenMemoryView(int slot);
  // Wraps a simulation window in a child window of its own and shows it.
  void Wrap(QWidget* window);
  // Shows an existing child window and brings it to the front.
  void ShowChild(QWidget* window);

  bool MayCloseChildren();
  void WriteRecentFiles();
  void CloseOwnWindows();
  void MergeEditorMenus();

  // The help window, shown; nullptr (and an error) when `file` is missing.
  HelpWindow* OpenHelp(const QString& file);

  WorkbenchSettings settings_;
  QString programDir_;  // the home directory the program found (HomeDirectory)
  bool homeInstalled_ = false;
  QString commandLineFile_;
  Machine machine_;
  MicrocodeParser mcParser_;
  Assembler assembler_;
  MainWindowReporter reporter_;
  EditorSlots<EditorWindow> editors_;
  RecentFiles recentFiles_;
  WindowLayout layout_;
  QPointer<EditorWindow> projectEditor_;
  // The editor the program in memory was loaded from, and its text then.
  QPointer<EditorWindow> loadedEditor_;
  std::string loadedText_;
  bool memoryLoaded_ = false;  // during a build: the assembler loaded memory
  int openFilterIndex_ = 1;
  QString openDir_;
  int newFileCounter_ = 0;
  SlotCursor assemblerCursor_ = SlotCursor::ForEditors();
  SlotCursor textCursor_ = SlotCursor::ForEditors();
  SlotCursor memoryCursor_ = SlotCursor::ForMemoryViews();
  bool shown_ = false;
  bool startLayoutPending_ = true;
  std::optional<StoredLayout> storedLayout_;
  ZoomLevel zoom_;
  ScreenGrid grid_;
  ScreenTerminal screen_{*this, grid_};
  MemoryViews<MemoryView> memoryViews_;
  QPointer<ProcessorWindow> processor_;
  QPointer<ScreenWindow> screenWindow_;
  QPointer<RomView> romView_;

  QMdiArea* mdiArea_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QPointer<EditorWindow> mergedEditor_;
  std::array<QAction*, RecentFiles::kMenuItems> reopenItems_{};
  QAction* tav2Panel_ = nullptr;
  QMenu* speedMenu_ = nullptr;
  QLabel* statusLine_ = nullptr;
  QPointer<HelpWindow> help_;
};

}  // namespace tav2
