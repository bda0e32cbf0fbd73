#pragma once
// TScreen: what the whole program shares on screen: the cursor every window
// shows (the hourglass while an exchange runs) and the list of forms.
#include <windows.h>

#include <vector>

#include "platform/controls/Control.h"

class TForm;

class TScreen {
 public:
  TCursor Cursor() const { return FCursor; }
  // Any cursor but crDefault overrides the cursor of every window of the program.
  void SetCursor(TCursor cursor);
  // The system cursor of a cursor value; the arrow for values it does not know.
  HCURSOR CursorHandle(TCursor cursor) const;

  int FormCount() const { return static_cast<int>(FForms.size()); }
  TForm* Forms(int index) const { return FForms.at(index); }

 private:
  friend class TForm;
  void AddForm(TForm* form) { FForms.push_back(form); }
  void RemoveForm(TForm* form);

  TCursor FCursor = crDefault;
  std::vector<TForm*> FForms;
};

TScreen& Screen();
