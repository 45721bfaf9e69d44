#pragma once
#include <QMdiSubWindow>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "editor/editkind.h"
#include "gui/editor/editorfile.h"
#include "shell/editoroptions.h"
#include "shell/recentfiles.h"
#include "shell/windowbounds.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolButton;

namespace tav2 {

class TMainform;
class TParserparent;

// The editor window: one file of one kind (assembler source, assembler
// listing, micro-code source or text) in a multi-document child window, with
// its tool bar of build buttons and indicators, the error panel and the File
// and Edit menus that stand in for the main window's while it is active.
class TEditform : public QMdiSubWindow {
  Q_OBJECT

 public:
  static constexpr int kListingWidth = 680;
  static constexpr int kListingBackground = 0xC0C0C0;  // silver
  static constexpr int kFirstLineIndent = 6;
  static constexpr const char* kSaveFilters =
      "TAV Assembler file (*.asm);;Microcode source (*.mca);;Textfile (*.txt);;Any file (*.*)";

  explicit TEditform(TMainform& mainform);

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
  void SaveFileClick();
  void SaveFileAsClick();
  void PrintClick();
  void FontClick();
  void InsertfileClick();
  void WriteblockClick();
  // May the window close? Asks about unsaved changes; a Yes whose save did
  // not happen keeps the window open.
  bool FormCloseQuery();

  // The selection's first 50 characters, or the word at the caret.
  QString WordAtCursor() const;
  bool IsModified() const;

  // The translator of the kind: the one micro-code parser, the one
  // assembler, or none.
  TParserparent* Translator() const { return translator_; }
  // The build buttons: the translator's request flags, then the main
  // window's build request with this editor.
  void FromEditor1Click();
  void LoadknopClick();
  void GoknopClick();

  // The error panel: the list shown with these lines, or hidden.
  void ShowErrors(const QStringList& lines);
  void HideErrors();

  EditorOptions& Options() { return options_; }
  // Switches colouring: on also switches word wrap off.
  void SetSyntaxColoring(bool on);
  void SetWordWrap(bool on);
  void SetInsertMode(bool insert);
  bool InsertMode() const { return insertMode_; }

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

  QPlainTextEdit* RichEdit1() const { return richEdit1_; }
  QMenu* FileMenu() const { return fileMenu_; }
  QMenu* EditMenu() const { return editMenu_; }
  QMenu* PopupMenu1() const { return popupMenu1_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateToolBar(QWidget* client);
  QLabel* MakeIndicator(const char* name, const QString& text, int width, const QString& hint);
  void CreateErrorPanel(QWidget* client);
  void CreateMenus();
  void CreateFileMenu();
  void CreateEditMenu();
  void CreatePopupMenu();
  void SetTextFont();
  void ApplyTabStops();
  void ApplyBackground(int colorRef);
  void ShowToolBarFor(EditKind kind);

  bool SaveText();
  bool MakeBackup();
  bool WriteFile(const QString& name, const QByteArray& bytes, const QString& failure);
  void FormClose();
  QString SelectedText() const;
  void Build(bool load, bool run);

  void PlaceIndicators();
  void RefreshIndicators();
  void UpdatePosition();
  void SyncolvensterClick();
  void WrapvensterClick();

  TMainform& mainform_;
  std::optional<EditKind> kind_;
  QString fileName_;
  EditorFile::Encoding encoding_ = EditorFile::Encoding::Utf8;
  EditorOptions options_;
  bool insertMode_ = true;
  TParserparent* translator_ = nullptr;
  WindowBounds recordedBounds_;
  int saveFilterIndex_ = 1;

  QPlainTextEdit* richEdit1_ = nullptr;
  QFrame* panel3_ = nullptr;
  QToolButton* makeknop_ = nullptr;
  QToolButton* loadknop_ = nullptr;
  QToolButton* goknop_ = nullptr;
  QToolButton* herstelknop_ = nullptr;
  QToolButton* breakpointknop_ = nullptr;
  QLabel* syncolvenster_ = nullptr;
  QLabel* insertvenster_ = nullptr;
  QLabel* positievenster_ = nullptr;
  QLabel* wrapvenster_ = nullptr;
  QFrame* panel1_ = nullptr;
  QPlainTextEdit* memo1_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QMenu* popupMenu1_ = nullptr;
  QAction* fontItem_ = nullptr;
  std::array<QAction*, RecentFiles::kMenuItems> reopenItems_{};
};

}  // namespace tav2
