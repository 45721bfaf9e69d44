#pragma once
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <string_view>

#include "editor/editkind.h"
#include "gui/shell/dialogs.h"
#include "gui/shell/mainformreporter.h"
#include "gui/sim/processorhost.h"
#include "gui/sim/screenterminal.h"
#include "lang/tassembler.h"
#include "lang/tmcparser.h"
#include "shell/editorslots.h"
#include "shell/memoryviews.h"
#include "shell/recentfiles.h"
#include "shell/slotcursor.h"
#include "shell/windowlayout.h"
#include "shell/workbenchsettings.h"
#include "sim/machine.h"
#include "sim/screengrid.h"

class QAction;
class QMdiArea;
class QMenu;
class QToolBar;

namespace tav2 {

class TEditform;
class THelpform;
class TMCROMform;
class TScreenform;

// The workbench's multi-document main window: start-up, the commands of the
// menu bar and button bar, the registry of open windows, the build request
// and its error list, the message boxes, and shut-down. It owns the
// process's machine (memory, micro-code ROM), the two translators and the
// terminal, and is the simulation windows' host.
class TMainform : public QMainWindow, public ProcessorHost {
  Q_OBJECT

 public:
  static constexpr const char* kCaption = "TAV2 SIMULATOR 0.1";
  static constexpr const char* kStartupMicrocode = "microdefs.~mc";
  static constexpr const char* kNewMicrocode = "microdefs.mca";
  static constexpr const char* kListingFile = "assembler output.~zj";
  static constexpr const char* kHelpFile = "help/TAV2.html";
  static constexpr const char* kOpenFilters =
      "Assembler file (*.asm);;Microcode source (*.mca);;Text file (*.txt);;Any file (*.*)";
  static constexpr int kDesignWidth = 750;
  static constexpr int kDesignHeight = 550;

  // Starts the workbench: `arguments` are the program's path and, when
  // given, a file to open once the window is first shown. The directories
  // derive from the program's path, then the open-file list and the options
  // file are read, the start-up micro-code is loaded and the windows'
  // default layout computed.
  explicit TMainform(const QStringList& arguments, QWidget* parent = nullptr);
  ~TMainform() override;

  // The message boxes every window reports through.
  void ShowError(const QString& text);
  void ShowInfo(const QString& text);
  Dialogs::Answer ShowWarning(const QString& text);
  Dialogs::Answer AskYesNoCancel(const QString& text);

  // Writes a file for the user (a source, its backup, a selection, the
  // listing): replaced whole, or left as it was when any step of the write
  // fails; false then, after the message "Cannot save file" with the reason.
  bool ReplaceFile(const QString& name, const QByteArray& bytes);
  void ShowCannotSave(const QString& name, const QString& reason);

  WorkbenchSettings& Settings() { return settings_; }
  QString HomeDir() const;
  TMCparser& McParser() { return mcParser_; }
  TAssembler& Assembler() { return assembler_; }
  WindowLayout& Layout() { return layout_; }
  QMdiArea* MdiArea() const { return mdiArea_; }

  // Editors and files.
  TEditform* NewSourceFile(EditKind kind);
  // Opens a file in a new editor; none (after "can't open file: %s") when
  // it cannot be read.
  TEditform* OpenSourceFile(const QString& name);
  void OpenFileClick();
  // The Open dialog with file type `filterIndex` for this use only; the
  // chosen name or empty.
  QString OpenDialogFileName(int filterIndex);
  int OpenFilterIndex() const { return openFilterIndex_; }
  const QString& OpenDir() const { return openDir_; }
  // Reopen entry k (1 to 10) of the open-file list.
  void SourceClick(int k);
  void SaveAll1Click();
  void CloseAllClick();
  // Save File and Print Text of the button bar.
  void SaveFileClick();
  void PrintTextClick();
  // Called by a closing editor after it recorded its bounds.
  void EditorClosed(TEditform* editor);
  // The registered editor whose text has the keyboard focus.
  TEditform* FocusedEditor() const;
  // The editor shown or built last: target of the error list.
  TEditform* ProjectEditor() const;
  void SetProjectEditor(TEditform* editor);
  const EditorSlots<TEditform>& Editors() const { return editors_; }
  const RecentFiles& Recent() const { return recentFiles_; }
  const std::array<QAction*, RecentFiles::kMenuItems>& ReopenItems() const { return reopenItems_; }

  // The button bar.
  void NewFileClick();
  void AssemblerknopClick();
  void TextknopClick();
  void AsmoutknopClick();
  // The single simulation windows: shown when they exist, else created.
  void TAV2knopClick();
  void ApplicationknopClick();
  void MicroCodeROM1Click();
  // Visits the memory views in turn; creates one when there is none.
  void MemoryknopClick();
  // Repaints every memory view (main memory was loaded).
  void RepaintMemoryViews();

  // The simulation windows' host.
  Machine& GetMachine() override { return machine_; }
  ScreenTerminal& Screen() override { return screen_; }
  LayoutDefaults& Defaults() override { return layout_.defaults; }
  TTAV2* ProcessorWindow() const override;
  TMform* MemoryView(int slot) const override { return memoryViews_.At(slot); }
  TScreenform* ScreenWindow() const;
  TMCROMform* RomView() const;
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
  void MemoryViewClosed(TMform* view) override;

  // Builds: `sender` is the editor whose button asked, or none for the
  // main window itself.
  void fromProject1Click(TEditform* sender);
  void RunProgram();
  void ShowErrorList();
  void HideErrorList();
  void ClearErrorList(TEditform* editor);
  void ReloadAssemblerOutput();

  // The Window menu.
  void Distribute();
  void StoreDistribution();

  // The Options menu (the default editor options also from Edit).
  void EditorOptionsClick();
  void EnvironmentClick();
  void AssembleroptionsClick();
  void WriteOptionsFile();

  // The Help menu.
  void TopicSearch1Click();
  void ContextHelp1Click();
  void About1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateMenus();
  void CreateFileMenu();
  void CreateViewMenu();
  void CreateOptionsMenu();
  void CreateWindowMenu();
  void CreateHelpMenu();
  void CreateButtonBar();
  void CreateTAV2Panel(QToolBar* bar);
  // The processor window's command for a panel button, when it exists.
  void ConnectPanelButton(QWidget* panel, const char* name, void (TTAV2::*command)());

  void ReadSettings(const QStringList& arguments);
  QString AskOpenFileName(int* filterIndex);
  QString WorkbenchFile(const QString& name) const;
  void LoadStartupMicrocode();
  void ApplyAssemblerOptions();
  void PrepareBuild(TParserparent& translator);
  void ReportBuild(const TParserparent& translator);
  void RecolourAssemblerSources();

  TEditform* CreateEditor();
  void RegisterEditor(TEditform* editor);
  void RefreshReopenItems();
  void ShowEditor(TEditform* editor);
  void ViewEditorOfKind(EditKind kind, SlotCursor& cursor, int openFilterIndex);
  TEditform* FirstEditorOfKind(EditKind kind) const;
  QString ListingFile() const;
  // The assembler's listing sink: the listing file in HomeDir.
  bool WriteListing(std::string_view listing);
  OpenWindows CurrentWindows() const;
  // Wraps a simulation window in a child window of its own and shows it.
  void Wrap(QWidget* window);
  // Shows an existing child window and brings it to the front.
  void ShowChild(QWidget* window);

  bool MayCloseChildren();
  void WriteRecentFiles();
  void CloseOwnWindows();
  void MergeEditorMenus();

  THelpform* OpenHelp();

  WorkbenchSettings settings_;
  QString programDir_;
  QString commandLineFile_;
  Machine machine_;
  TMCparser mcParser_;
  TAssembler assembler_;
  MainformReporter reporter_;
  EditorSlots<TEditform> editors_;
  RecentFiles recentFiles_;
  WindowLayout layout_;
  QPointer<TEditform> projectEditor_;
  int openFilterIndex_ = 1;
  QString openDir_;
  int newFileCounter_ = 0;
  SlotCursor assemblerCursor_ = SlotCursor::ForEditors();
  SlotCursor textCursor_ = SlotCursor::ForEditors();
  SlotCursor memoryCursor_ = SlotCursor::ForMemoryViews();
  bool shown_ = false;
  ScreenGrid grid_;
  ScreenTerminal screen_{*this, grid_};
  MemoryViews<TMform> memoryViews_;
  QPointer<TTAV2> processor_;
  QPointer<TScreenform> screenWindow_;
  QPointer<TMCROMform> romView_;

  QMdiArea* mdiArea_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QPointer<TEditform> mergedEditor_;
  std::array<QAction*, RecentFiles::kMenuItems> reopenItems_{};
  QAction* tav2Panel_ = nullptr;
  QPointer<THelpform> help_;
};

}  // namespace tav2
