#include "fakeeditorhost.h"

#include <QAction>

#include "gui/editor/coretext.h"
#include "gui/editor/editorwindow.h"

namespace tav2::test {

FakeEditorHost::FakeEditorHost() {
  for (QAction*& item : reopenItems) {
    item = new QAction(&area);
    item->setVisible(false);
  }
}

Scanner* FakeEditorHost::TranslatorFor(EditKind kind) {
  if (kind == EditKind::AssemblerSource) return &assembler;
  if (kind == EditKind::MicrocodeSource) return &mcParser;
  return nullptr;
}

bool FakeEditorHost::ReplaceFile(const QString& name, const QByteArray& bytes) {
  files[name] = bytes;
  return true;
}

Dialogs::Answer FakeEditorHost::ShowWarning(const QString& text) {
  log << "warning: " + text;
  return NextAnswer();
}

Dialogs::Answer FakeEditorHost::AskYesNoCancel(const QString& text) {
  log << "ask: " + text;
  return NextAnswer();
}

// Builds the editor's text as the main window does, and shows the errors.
void FakeEditorHost::BuildProject(EditorWindow* editor) {
  log << "build";
  Scanner* translator = editor->Translator();
  translator->ParseSource(CoreText(*editor->Text()).View(), editor->FileName().toStdString());
  if (!translator->Succeeded()) editor->ShowErrors(translator->Errors());
}

Dialogs::Answer FakeEditorHost::NextAnswer() {
  return answers.isEmpty() ? Dialogs::Answer::Cancel : answers.takeFirst();
}

}  // namespace tav2::test
