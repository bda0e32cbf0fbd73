#pragma once
// Reads a form resource into its root component (the form): creates each
// nested object by registered class name, owned by the root, sets properties
// through the classes' published-property tables, points the root's
// component members at the components of their names and binds event
// properties to the root's handler methods by name. Anything that does not
// resolve (class, property, value, component, handler, member) raises
// EReadError naming it and its line.
#include <string>

#include "platform/classes/Component.h"
#include "platform/classes/FormParser.h"

// `source` names the resource in error messages.
void ReadComponentResource(TComponent& root, const std::string& text, const std::string& source);
