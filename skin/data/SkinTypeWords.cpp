#include "skin/data/SkinTypeWords.h"

namespace {

template <class Base, class T>
SkinTypeWord<Base> WordRow(const char* word) {
  return SkinTypeWord<Base>{word, [](const String& name) -> Base* { return new T(name); },
                            [](const Base* record) { return dynamic_cast<const T*>(record) != nullptr; }};
}

}  // namespace

const std::vector<SkinObjectWord>& SkinObjectWords() {
  using B = TspDataSkinObject;
  static const std::vector<SkinObjectWord> table{
      WordRow<B, TspDataSkinMenuItem>("menuitem"),
      WordRow<B, TspDataSkinMainMenuBarItem>("mainmenubaritem"),
      WordRow<B, TspDataSkinMainMenuItem>("mainmenuitem"),
      WordRow<B, TspDataSkinMainMenuBarButton>("mainmenubarbutton"),
      WordRow<B, TspDataSkinStdButton>("stdbutton"),
      WordRow<B, TspDataSkinButton>("button"),
      WordRow<B, TspDataSkinCaption>("caption"),
      WordRow<B, TspDataSkinTrackBar>("trackbar"),
      WordRow<B, TspDataSkinGauge>("gauge"),
      WordRow<B, TspDataSkinFrameGaugeObject>("framegauge"),
      WordRow<B, TspDataSkinFrameRegulatorObject>("frameregulator"),
      WordRow<B, TspDataSkinLabel>("label"),
      WordRow<B, TspDataSkinBitLabel>("bitlabel"),
      WordRow<B, TspDataSkinSwitch>("switch"),
      WordRow<B, TspDataSkinAnimate>("animate"),
      WordRow<B, TspDataUserObject>("userobject"),
  };
  return table;
}

const std::vector<SkinControlWord>& SkinControlWords() {
  using B = TspDataSkinControl;
  static const std::vector<SkinControlWord> table{
      WordRow<B, TspDataSkinSlider>("slider"),
      WordRow<B, TspDataSkinBevel>("bevel"),
      WordRow<B, TspDataSkinPanelControl>("panel"),
      WordRow<B, TspDataSkinExPanelControl>("expanel"),
      WordRow<B, TspDataSkinMenuButtonControl>("menubutton"),
      WordRow<B, TspDataSkinButtonControl>("button"),
      WordRow<B, TspDataSkinCheckRadioControl>("checkradio"),
      WordRow<B, TspDataSkinGaugeControl>("gauge"),
      WordRow<B, TspDataSkinSplitterControl>("splitter"),
      WordRow<B, TspDataSkinTrackBarControl>("trackbar"),
      WordRow<B, TspDataSkinLabelControl>("label"),
      WordRow<B, TspDataSkinStdLabelControl>("stdlabel"),
      WordRow<B, TspDataSkinBitLabelControl>("bitlabel"),
      WordRow<B, TspDataSkinFrameRegulator>("frameregulator"),
      WordRow<B, TspDataSkinFrameGauge>("framegauge"),
      WordRow<B, TspDataSkinAnimateControl>("animate"),
      WordRow<B, TspDataSkinUpDownControl>("updown"),
      WordRow<B, TspDataSkinSwitchControl>("switch"),
      WordRow<B, TspDataSkinGridControl>("grid"),
      WordRow<B, TspDataSkinTabControl>("tab"),
      WordRow<B, TspDataSkinMainMenuBar>("mainmenubar"),
      WordRow<B, TspDataSkinControlBar>("controlbar"),
      WordRow<B, TspDataSkinMemoControl>("memo"),
      WordRow<B, TspDataSkinEditControl>("edit"),
      WordRow<B, TspDataSkinCheckListBox>("checklistbox"),
      WordRow<B, TspDataSkinListBox>("listbox"),
      WordRow<B, TspDataSkinComboBox>("combobox"),
      WordRow<B, TspDataSkinScrollBarControl>("scrollbar"),
      WordRow<B, TspDataSkinSpinEditControl>("spinedit"),
      WordRow<B, TspDataSkinScrollBoxControl>("scrollbox"),
      WordRow<B, TspDataSkinTreeView>("treeview"),
      WordRow<B, TspDataSkinListView>("listview"),
      WordRow<B, TspDataSkinRichEdit>("richedit"),
  };
  return table;
}
