// The splitter in definitions: its bar, its collapsed state and the names of the
// controls in its panes, which are placed when the splitter is loaded.
#include "framed/bars/RzSplitter.h"

#include "platform/controls/CustomForm.h"
#include "platform/published/Filer.h"
#include "platform/published/Reader.h"
#include "platform/published/Writer.h"

// ---- streaming ----

void TRzSplitter::ReadNames(TReader& reader, TStringList* names) {
  names->Clear();
  reader.ReadListBegin();
  while (!reader.EndOfList()) names->Add(reader.ReadIdent());
  reader.ReadListEnd();
}

void TRzSplitter::WriteNames(TWriter& writer, TRzSplitterPane* pane) {
  writer.WriteListBegin();
  for (int i = 0; i < pane->ControlCount(); ++i) writer.WriteIdent(pane->Controls(i)->Name());
  writer.WriteListEnd();
}

void TRzSplitter::DefineProperties(TFiler* filer) {
  TRzCustomPanel::DefineProperties(filer);
  filer->DefineProperty(
      "BarSize",
      [this](TReader& reader) {
        int v[4] = {0, 0, 0, 0};
        reader.ReadListBegin();
        for (int i = 0; i < 4 && !reader.EndOfList(); ++i) v[i] = static_cast<int>(reader.ReadInteger());
        reader.ReadListEnd();
        bar_ = Rect(v[0], v[1], v[2], v[3]);
        UpdateHotSpotRect();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int v : {bar_.Left, bar_.Top, bar_.Right, bar_.Bottom}) writer.WriteInteger(v);
        writer.WriteListEnd();
      },
      true);
  auto flag = [&](const char* name, bool& field) {
    filer->DefineProperty(
        name, [&field](TReader& reader) { field = reader.ReadBoolean(); },
        [&field](TWriter& writer) { writer.WriteBoolean(field); }, hotSpotClosed_);
  };
  flag("HotSpotClosed", hotSpotClosed_);
  flag("HotSpotClosedToMin", hotSpotClosedToMin_);
  flag("HotSpotClosedToMax", hotSpotClosedToMax_);
  filer->DefineProperty(
      "HotSpotPosition", [this](TReader& reader) { hotSpotPosition_ = static_cast<int>(reader.ReadInteger()); },
      [this](TWriter& writer) { writer.WriteInteger(hotSpotPosition_); }, hotSpotClosed_);
  filer->DefineProperty(
      "UpperLeftControls", [this](TReader& reader) { ReadNames(reader, names1_.get()); },
      [this](TWriter& writer) { WriteNames(writer, pane1_); }, true);
  filer->DefineProperty(
      "LowerRightControls", [this](TReader& reader) { ReadNames(reader, names2_.get()); },
      [this](TWriter& writer) { WriteNames(writer, pane2_); }, true);
  filer->DefineProperty("PositionMin", ReadAndDrop(), nullptr, false);
  filer->DefineProperty("PositionMax", ReadAndDrop(), nullptr, false);
}

void TRzSplitter::PlaceNamedControls(TRzSplitterPane* pane, TStringList* names) {
  if (!Owner()) return;
  for (int i = 0; i < names->Count(); ++i)
    if (auto* control = dynamic_cast<TControl*>(Owner()->FindComponent(names->Strings(i)))) control->SetParent(pane);
  names->Clear();
}

void TRzSplitter::Loaded() {
  ++loadingSplitters_;
  TCustomForm* form = dynamic_cast<TCustomForm*>(Owner());
  TWinControl* active = form ? form->ActiveControl() : nullptr;
  try {
    TRzCustomPanel::Loaded();
    UpdateManualPosition(position_);
    ResizePanes();
    DisableAlign();
    PlaceNamedControls(pane1_, names1_.get());
    PlaceNamedControls(pane2_, names2_.get());
    EnableAlign();
    if (form && active) form->SetActiveControl(active);
  } catch (...) {
    --loadingSplitters_;
    throw;
  }
  --loadingSplitters_;
}
