#pragma once
#include "shell/assembleroptions.h"
#include "shell/editordefaults.h"
#include "shell/environmentsettings.h"

namespace tav2 {

// Everything the options file carries, one member per section.
struct WorkbenchSettings {
  EnvironmentSettings environment;
  EditorDefaults editor;
  AssemblerOptions assembler;

  bool operator==(const WorkbenchSettings&) const = default;
};

}  // namespace tav2
