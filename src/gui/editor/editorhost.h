#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "core/editor/editkind.h"
#include "core/shell/recentfiles.h"
#include "core/shell/windowbounds.h"
#include "core/shell/workbenchsettings.h"
#include "core/sim/machine.h"
#include "gui/common/dialogs.h"

class QAction;
class QByteArray;
class QMdiArea;

namespace tav2 {

class EditorWindow;
class Scanner;

// What an editor window needs from the main window: the place it lives in,
// the shared settings and translators, the commands of the shared File
// menu, writing files, the message boxes, builds, and the processor's
// state. The main window implements it; tests can give an editor a host of
// their own.
class EditorHost {
 public:
  virtual ~EditorHost() = default;

  // The area editors are child windows of, the bounds a new editor takes
  // and the Reopen items its File menu copies.
  virtual QMdiArea* MdiArea() const = 0;
  virtual WindowBounds DefaultEditorBounds() const = 0;
  virtual const std::array<QAction*, RecentFiles::kMenuItems>& ReopenItems() const = 0;

  // The editor defaults and environment settings; the machine whose ROM
  // colours the instruction names and whose line map gives source lines.
  virtual const WorkbenchSettings& Settings() const = 0;
  virtual Machine& Hardware() = 0;
  // The translator of an editor kind: the assembler for assembler sources,
  // the micro-code parser for micro-code sources, none for the others.
  virtual Scanner* TranslatorFor(EditKind kind) = 0;

  // The commands of the File menu every editor shares with the main window.
  virtual EditorWindow* NewSourceFile(EditKind kind) = 0;
  virtual void OpenFile() = 0;
  virtual void ReopenFile(int k) = 0;
  virtual void SaveAll() = 0;
  virtual void CloseAll() = 0;
  // The Open dialog with file type `filterIndex` for this use only; the
  // chosen name or empty.
  virtual QString OpenDialogFileName(int filterIndex) = 0;

  // Replaces a file whole, or leaves it as it was and says why (false).
  virtual bool ReplaceFile(const QString& name, const QByteArray& bytes) = 0;
  virtual void ShowCannotSave(const QString& name, const QString& reason) = 0;

  virtual void ShowError(const QString& text) = 0;
  virtual void ShowInfo(const QString& text) = 0;
  virtual Dialogs::Answer ShowWarning(const QString& text) = 0;
  virtual Dialogs::Answer AskYesNoCancel(const QString& text) = 0;

  // Builds the editor's text with the request flags set on its translator.
  virtual void BuildProject(EditorWindow* editor) = 0;
  // Opens the processor window if needed, then Reset and Go.
  virtual void RunProgram() = 0;
  virtual void ClearErrorList(EditorWindow* editor) = 0;
  virtual void SetProjectEditor(EditorWindow* editor) = 0;
  // Whether the program in main memory was loaded from this editor.
  virtual bool ProgramLoadedFrom(const EditorWindow* editor) const = 0;
  // Called by a closing editor after it recorded its bounds.
  virtual void EditorClosed(EditorWindow* editor) = 0;

  // Whether a program runs; the processor's PC while there is a processor window.
  virtual bool ProcessorRunning() const = 0;
  virtual std::optional<uint16_t> ProcessorPc() const = 0;
};

}  // namespace tav2
