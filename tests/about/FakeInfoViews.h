#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "platform/AboutView.h"
#include "platform/MoreInfoView.h"

namespace vs::test {

// Stands in for a modal window: ShowModal runs `whileShown` as the user acting
// inside the modal loop, and fails the test when that leaves the window open,
// since a real modal loop would then never return.
template <typename View, typename Events, typename Texts>
class FakeModalView : public View {
 public:
  using Script = std::function<void(FakeModalView&)>;

  FakeModalView(Events& raised, Script whileShown, int& openWindows)
      : events(raised), whileShown_(std::move(whileShown)), openWindows_(openWindows) {
    ++openWindows_;
  }
  ~FakeModalView() override { --openWindows_; }

  void ShowModal(const Texts& shownTexts) override {
    texts = shownTexts;
    whileShown_(*this);
    if (!unloaded) ADD_FAILURE() << "the window was left open";
  }
  void Unload() override { unloaded = true; }

  Events& events;
  Texts texts;
  bool unloaded = false;

 private:
  Script whileShown_;
  int& openWindows_;
};

using FakeAboutView = FakeModalView<AboutView, AboutEvents, AboutTexts>;
using FakeMoreInfoView = FakeModalView<MoreInfoView, MoreInfoEvents, MoreInfoTexts>;

}  // namespace vs::test
