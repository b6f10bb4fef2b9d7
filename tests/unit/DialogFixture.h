// Runs dialogs over the simulated window system: the test's script is what
// the user does while the dialog is open.
#pragma once
#include <functional>
#include <string>

#include "SimFixture.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Messages.h"
#include "platform/ui/sim/SimUi.h"

namespace dialogtest {

using Script = std::function<void(platform::WindowHandle dialog)>;

// DoModal with `script` as the user. Fails the test when the script left the
// dialog open.
inline intptr_t RunModal(ui::Dialog& dialog, Script script) {
  sim::Ui().user = std::move(script);
  const int abandonedBefore = sim::Ui().abandonedRuns;
  const intptr_t result = dialog.DoModal();
  EXPECT_EQ(sim::Ui().abandonedRuns, abandonedBefore) << "the script left the dialog open";
  sim::Ui().user = nullptr;
  return result;
}

inline int Checked(platform::WindowHandle dialog, int id) {
  const sim::SimWindow* c = sim::Control(dialog, id);
  EXPECT_NE(c, nullptr) << "no control " << id;
  return c ? c->check : -1;
}

inline std::string Text(platform::WindowHandle dialog, int id) {
  const sim::SimWindow* c = sim::Control(dialog, id);
  EXPECT_NE(c, nullptr) << "no control " << id;
  return c ? sim::ShownText(*c) : std::string();
}

inline bool Shown(platform::WindowHandle dialog, int id) {
  const sim::SimWindow* c = sim::Control(dialog, id);
  return c != nullptr && c->Visible();
}

inline bool Enabled(platform::WindowHandle dialog, int id) {
  const sim::SimWindow* c = sim::Control(dialog, id);
  return c != nullptr && c->Enabled();
}

// Which of `ids` are checked, as a string of 0 and 1.
inline std::string Checks(platform::WindowHandle dialog, std::initializer_list<int> ids) {
  std::string marks;
  for (int id : ids) marks += Checked(dialog, id) == ui::kBstChecked ? '1' : '0';
  return marks;
}

}  // namespace dialogtest
