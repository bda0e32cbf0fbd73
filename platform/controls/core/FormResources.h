#pragma once
// The form resources embedded in the executable (see nepl_add_form_resources
// in CMake): one resource of type "FORM" per form class, named after the
// class in upper case, holding the form's text.
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"

// A resource the executable does not contain.
class EResNotFound : public Exception {
 public:
  using Exception::Exception;
};

// The text of the form resource of a form class; raises EResNotFound.
std::string FormResourceText(const std::string& formClassName);
// The names of every embedded form resource.
std::vector<std::string> EmbeddedFormNames();
