// THeader: the older header control, a row of sections named by strings, each
// with a width of its own, drawn as raised buttons. The sections stand above
// the columns of a list; the newer THeaderControl does the same with section
// objects over the system's header window.
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/CustomControl.h"
#include "platform/core/Strings.h"

class THeader : public TCustomControl {
public:
  explicit THeader(TComponent* owner);
  ~THeader() override;

  // One section per string; a new section is 64 pixels wide.
  TStrings* Sections() const { return sections_.get(); }  // owned
  void SetSections(const TStrings* value);
  int SectionCount() const { return sections_->Count(); }
  // 0 for an index outside the sections.
  int SectionWidth(int index) const;
  void SetSectionWidth(int index, int width);

protected:
  void Paint() override;

private:
  void SectionsChanged(TObject* sender);

  std::unique_ptr<TStringList> sections_;  // owned
  std::vector<int> widths_;
};
