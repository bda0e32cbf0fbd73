#include "platform/controls/core/ControlClasses.h"

#include "platform/controls/core/Actions.h"
#include "platform/controls/standard/BitBtn.h"
#include "platform/controls/standard/CheckBox.h"
#include "platform/controls/standard/ComboBox.h"
#include "platform/controls/standard/Edit.h"
#include "platform/controls/drawn/Grids.h"
#include "platform/controls/standard/GroupBox.h"
#include "platform/controls/drawn/Image.h"
#include "platform/controls/drawn/Label.h"
#include "platform/controls/standard/LabeledEdit.h"
#include "platform/controls/standard/ListBox.h"
#include "platform/controls/core/Menus.h"
#include "platform/controls/common/PageControl.h"
#include "platform/controls/drawn/Panel.h"
#include "platform/controls/standard/RadioButton.h"
#include "platform/controls/standard/RadioGroup.h"
#include "platform/controls/drawn/Shape.h"
#include "platform/controls/standard/SpinEdit.h"
#include "platform/controls/drawn/Splitter.h"
#include "platform/controls/common/StatusBar.h"
#include "platform/controls/common/ToolBar.h"

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
