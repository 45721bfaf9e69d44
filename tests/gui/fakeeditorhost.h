#pragma once
// A stand-in for the main window as an editor's host: it owns a machine, an
// assembler and a micro-code parser and an MDI area, answers the message
// boxes from a script, keeps written files in memory, and records the
// requests an editor makes.
#include <QMap>
#include <QMdiArea>
#include <QStringList>
#include <array>
#include <memory>

#include "core/lang/assembler.h"
#include "core/lang/microcodeparser.h"
#include "gui/editor/editorhost.h"

namespace tav2::test {

class FakeEditorHost : public EditorHost {
 public:
  std::unique_ptr<Machine> machine = std::make_unique<Machine>();
  MicrocodeParser mcParser{machine->mcrom};
  Assembler assembler{*machine};
  WorkbenchSettings settings;
  QMdiArea area;
  // Hidden, as the main window's are while its open-file list is empty.
  std::array<QAction*, RecentFiles::kMenuItems> reopenItems{};

  FakeEditorHost();
  // The processor as the editor sees it: running, and its PC (none: no processor window).
  bool running = false;
  std::optional<uint16_t> pc;
  // The editor whose program is in memory.
  const EditorWindow* loadedFrom = nullptr;
  // Answers of AskYesNoCancel and ShowWarning, in turn; Cancel when they run out.
  QList<Dialogs::Answer> answers;
  // Files written through ReplaceFile, by name.
  QMap<QString, QByteArray> files;
  // "error: T", "info: T", "warning: T", "ask: T", "build", "run", "project",
  // "clear errors", "closed", "cannot save: NAME".
  QStringList log;

  Machine& Hardware() override { return *machine; }
  QMdiArea* MdiArea() const override { return const_cast<QMdiArea*>(&area); }
  WindowBounds DefaultEditorBounds() const override { return {0, 0, 350, 280}; }
  const std::array<QAction*, RecentFiles::kMenuItems>& ReopenItems() const override { return reopenItems; }
  const WorkbenchSettings& Settings() const override { return settings; }
  Scanner* TranslatorFor(EditKind kind) override;
  EditorWindow* NewSourceFile(EditKind) override { return nullptr; }
  void OpenFile() override {}
  void ReopenFile(int) override {}
  void SaveAll() override {}
  void CloseAll() override {}
  QString OpenDialogFileName(int) override { return {}; }
  bool ReplaceFile(const QString& name, const QByteArray& bytes) override;
  void ShowCannotSave(const QString& name, const QString&) override { log << "cannot save: " + name; }
  void ShowError(const QString& text) override { log << "error: " + text; }
  void ShowInfo(const QString& text) override { log << "info: " + text; }
  Dialogs::Answer ShowWarning(const QString& text) override;
  Dialogs::Answer AskYesNoCancel(const QString& text) override;
  void BuildProject(EditorWindow* editor) override;
  void RunProgram() override { log << "run"; }
  void ClearErrorList(EditorWindow*) override { log << "clear errors"; }
  void SetProjectEditor(EditorWindow*) override { log << "project"; }
  bool ProgramLoadedFrom(const EditorWindow* editor) const override { return editor == loadedFrom; }
  void EditorClosed(EditorWindow*) override { log << "closed"; }
  bool ProcessorRunning() const override { return running; }
  std::optional<uint16_t> ProcessorPc() const override { return pc; }

 private:
  Dialogs::Answer NextAnswer();
};

}  // namespace tav2::test
