#pragma once
#include <QFont>
#include <QMdiSubWindow>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "core/editor/editkind.h"
#include "gui/editor/editorfile.h"
#include "core/lang/builderror.h"
#include "core/editor/editoroptions.h"
#include "core/shell/recentfiles.h"
#include "core/shell/windowbounds.h"
#include "core/shell/zoomlevel.h"

class QAction;
class QFrame;
class QHBoxLayout;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolButton;

namespace tav2 {

class EditCommands;
class ErrorList;
class SourceHighlighter;
class SourceLineHighlight;
class EditorHost;
class LineNumberGutter;
class Scanner;

// The editor window: one file of one kind (assembler source, assembler
// listing, micro-code source or text) in a multi-document child window, with
// its tool bar of build buttons and indicators, the error panel and the File
// and Edit menus that stand in for the main window's while it is active.
// The text control's colouring, editing commands and red source line are
// the editor components' (SourceHighlighter, EditCommands,
// SourceLineHighlight); this window holds them together.
class EditorWindow : public QMdiSubWindow {
  Q_OBJECT

 public:
  static constexpr int kListingWidth = 680;
  static constexpr int kListingBackground = 0xC0C0C0;  // silver
  static constexpr int kFirstLineIndent = 6;
  static constexpr int kTextFontPoints = 10;
  static constexpr const char* kResetFirst = "Reset processor before assembling";
  static constexpr const char* kProcessorRunning = "Processor is running!";
  static constexpr const char* kSaveFilters =
      "TAV Assembler file (*.asm);;Microcode source (*.mca);;Textfile (*.txt);;Any file (*.*)";

  explicit EditorWindow(EditorHost& host);

  // The kind of the file, none until a kind is applied.
  std::optional<EditKind> Kind() const { return kind_; }
  // Caption, background, tool bar, hints, Font item, read-only state,
  // colouring default and translator of `kind`; the text is made visible.
  void ApplyKind(EditKind kind);
  // ApplyKind with the kind the extension of FileName gives.
  void ApplyKind();

  const QString& FileName() const { return fileName_; }
  // Names the editor (an untitled file), captioned by the name alone.
  void SetUntitledName(const QString& name);
  // Replaces the text by the file's lines and takes its name and kind.
  // False, with the system's message shown, when the file cannot be read;
  // the editor is then unchanged.
  bool LoadFile(const QString& name);

  // Save: untitled files go to Save as.
  void SaveFile();
  void SaveFileAs();
  void Print();
  void ChooseFont();
  // Shows the text's font at the zoom level; the font itself stays.
  void SetZoom(const ZoomLevel& zoom);
  void InsertFile();
  void WriteSelectionToFile();
  // What the user agreed to when asked about closing.
  enum class CloseAnswer { Close, Discard, Stay };
  // Asks about unsaved changes without letting go of anything: Yes saves
  // (and stays when the save did not happen), No answers Discard, which
  // leaves the text modified until DiscardChanges. Unmodified: Close.
  CloseAnswer AskToClose();
  // The unsaved changes are let go: the window then closes without asking.
  void DiscardChanges();
  // May the window close? AskToClose, a No discarding at once.
  bool MayClose();

  // The selection's first 50 characters, or the word at the caret.
  QString WordAtCursor() const;
  bool IsModified() const;

  // The translator of the kind: the one micro-code parser, the one
  // assembler, or none.
  Scanner* Translator() const { return translator_; }
  // The build buttons: refused while the processor runs; otherwise the
  // translator's request flags, the main window's build request with this
  // editor, and the button's own step after a successful build.
  void OnMakeClicked();
  void OnLoadClicked();
  void OnGoClicked();
  void OnBreakpointsClicked();

  // Sets or clears the breakpoint mark of a line (from 0) of an assembler
  // source; the breakpoints of a loaded program are validated at once.
  void ToggleBreakpoint(int line);
  void ToggleBreakpointAtCaret();

  // The error panel: the list shown with one line per error, or hidden.
  void ShowErrors(const std::vector<BuildError>& errors);
  void HideErrors();
  // The error list's click: the source line of the list's current line.
  void OnErrorListClicked();
  // The red source line (position 0: none).
  void ShowSourceLine(int position);
  void ClearSourceLine();

  EditCommands& Commands() const { return *commands_; }
  SourceHighlighter& Highlighter() const { return *highlighter_; }
  const EditorOptions& Options() const;

  WindowBounds Bounds() const;
  void SetBounds(const WindowBounds& bounds);
  // The bounds recorded at creation, at Store distribution and at closing.
  const WindowBounds& RecordedBounds() const { return recordedBounds_; }
  void RecordBounds() { recordedBounds_ = Bounds(); }

  // The Reopen items copy the main window's captions and visibility.
  void CopyReopenItems(const std::array<QAction*, RecentFiles::kMenuItems>& items);
  // The save dialog's file type, from 1.
  void SetSaveFilterIndex(int index) { saveFilterIndex_ = index; }
  int SaveFilterIndex() const { return saveFilterIndex_; }

  QPlainTextEdit* Text() const { return text_; }
  LineNumberGutter* Gutter() const { return gutter_; }
  QMenu* FileMenu() const { return fileMenu_; }
  QMenu* EditMenu() const { return editMenu_; }
  QMenu* PopupMenu() const { return popupMenu_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateToolBar(QWidget* client);
  QLabel* MakeIndicator(const char* name, const QString& text, int width, const QString& hint);
  void CreateErrorPanel(QWidget* client);
  void CreateTextComponents();
  void CreateMenus();
  void CreateFileMenu();
  void CreateEditMenu();
  void CreatePopupMenu();
  void SetTextFont();
  void ShowToolBarFor(EditKind kind);
  void ShowEditorOptions();
  // Shown where the option asks for it, except in a listing; breakpoint
  // dots in assembler sources.
  void RefreshGutter();
  void ValidateLoadedBreakpoints();
  // The current-line mark on the line of the processor's PC.
  void ShowPcLine();

  bool SaveText();
  bool MakeBackup();
  void OnClosed();
  QString SelectedText() const;
  // The common steps of the build buttons; false when the build did not
  // succeed or was refused.
  bool Build(bool load, bool run, bool breakpointsOnly);
  bool ProcessorBusy() const;

  std::array<QToolButton*, 5> ToolBarButtons() const;
  void ArrangeToolBar();
  void RefreshIndicators();
  void UpdatePosition();
  void OnColouringIndicatorClicked();
  void OnWrapIndicatorClicked();

  EditorHost& host_;
  std::optional<EditKind> kind_;
  QString fileName_;
  EditorFile::Encoding encoding_ = EditorFile::Encoding::Utf8;
  Scanner* translator_ = nullptr;
  WindowBounds recordedBounds_;
  int saveFilterIndex_ = 1;

  QPlainTextEdit* text_ = nullptr;
  LineNumberGutter* gutter_ = nullptr;
  SourceHighlighter* highlighter_ = nullptr;
  EditCommands* commands_ = nullptr;
  SourceLineHighlight* sourceLine_ = nullptr;
  QFrame* buildBar_ = nullptr;
  QHBoxLayout* firstRow_ = nullptr;
  QHBoxLayout* secondRow_ = nullptr;
  QWidget* indicators_ = nullptr;
  QToolButton* makeButton_ = nullptr;
  QToolButton* loadButton_ = nullptr;
  QToolButton* goButton_ = nullptr;
  QToolButton* clearErrorsButton_ = nullptr;
  QToolButton* breakpointsButton_ = nullptr;
  QLabel* colouringIndicator_ = nullptr;
  QLabel* insertIndicator_ = nullptr;
  QLabel* positionIndicator_ = nullptr;
  QLabel* wrapIndicator_ = nullptr;
  QFrame* errorPanel_ = nullptr;
  ErrorList* errorList_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QMenu* popupMenu_ = nullptr;
  QAction* fontItem_ = nullptr;
  QAction* insertFileItem_ = nullptr;
  QAction* breakpointItem_ = nullptr;
  std::array<QAction*, RecentFiles::kMenuItems> reopenItems_{};
  QFont textFont_;  // the text's font at 100 %
  ZoomLevel zoom_;
};

}  // namespace tav2
