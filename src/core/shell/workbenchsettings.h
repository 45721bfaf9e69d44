#pragma once
#include "core/lang/assembleroptions.h"
#include "core/editor/editordefaults.h"
#include "core/shell/environmentsettings.h"

namespace tav2 {

// Everything the options file carries, one member per section.
struct WorkbenchSettings {
  EnvironmentSettings environment;
  EditorDefaults editor;
  AssemblerOptions assembler;

  bool operator==(const WorkbenchSettings&) const = default;
};

}  // namespace tav2
