#include "platform/controls/ControlClasses.h"

#include "platform/controls/Actions.h"
#include "platform/controls/BitBtn.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Grids.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/LabeledEdit.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Menus.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioButton.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/Shape.h"
#include "platform/controls/SpinEdit.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/ToolBar.h"

void RegisterControlClasses() {
  RegisterClasses({TStatusBar::StaticClass()});
  RegisterClasses({TListBox::StaticClass(), TMainMenu::StaticClass(), TMenuItem::StaticClass(), TAction::StaticClass(),
                   TActionList::StaticClass(), TImageList::StaticClass(), TToolBar::StaticClass(),
                   TToolButton::StaticClass(), TPanel::StaticClass(), TGroupBox::StaticClass(),
                   TSplitter::StaticClass(), TLabel::StaticClass(), TEdit::StaticClass(), TSpinEdit::StaticClass(),
                   TComboBox::StaticClass(), TButton::StaticClass(), TBitBtn::StaticClass()});
  RegisterClasses(
      {TStringGrid::StaticClass(), TImage::StaticClass(), TShape::StaticClass(), TPopupMenu::StaticClass()});
  RegisterClasses({TCheckBox::StaticClass(), TRadioButton::StaticClass(), TRadioGroup::StaticClass(),
                   TPageControl::StaticClass(), TTabSheet::StaticClass()});
  RegisterClasses({TLabeledEdit::StaticClass()});
}
