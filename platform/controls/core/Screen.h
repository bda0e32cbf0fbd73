#pragma once
// TScreen: what the whole program shares on screen: the cursor every window
// shows (the hourglass while an exchange runs) and the list of forms.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/controls/core/Control.h"

class TForm;

class TScreen {
 public:
  TCursor Cursor() const { return FCursor; }
  // Any cursor but crDefault overrides the cursor of every window of the program.
  void SetCursor(TCursor cursor);
  // The cursor registered for a value, else the system cursor of a built-in
  // value; the arrow for values it does not know.
  HCURSOR CursorHandle(TCursor cursor) const;
  HCURSOR Cursors(TCursor cursor) const { return CursorHandle(cursor); }
  // Registers the program's own cursors (positive values) and further system
  // ones (negative values); the screen does not destroy them.
  void SetCursors(TCursor cursor, HCURSOR handle);
  // Registers a cursor of a module's resources, loaded when first asked for:
  // most of them are never shown in a run, and loading each costs start-up time.
  void SetCursorResource(TCursor cursor, HINSTANCE module, const std::string& name);

  int FormCount() const { return static_cast<int>(FForms.size()); }
  TForm* Forms(int index) const { return FForms.at(index); }
  // The form whose window is the thread's active window, or nullptr.
  TForm* ActiveForm() const;

 private:
  friend class TForm;
  void AddForm(TForm* form) { FForms.push_back(form); }
  void RemoveForm(TForm* form);

  struct TCursorResource {
    HINSTANCE Module;
    std::string Name;
  };

  TCursor FCursor = crDefault;
  mutable std::map<TCursor, HCURSOR> FCursors;
  mutable std::map<TCursor, TCursorResource> FCursorResources;
  std::vector<TForm*> FForms;
};

TScreen& Screen();
