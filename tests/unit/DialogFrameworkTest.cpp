// The dialog framework over the simulated window system: the host's
// hand-over of the dialog, message-map dispatch, the radio-group exchange
// and the controls' Win32 behaviour, on a template of the test's own.
#include <string>
#include <vector>

#include "DialogFixture.h"
#include "platform/ui/Application.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"

namespace {

using dialogtest::Checked;
using dialogtest::Checks;
using dialogtest::RunModal;

constexpr int kTemplate = 900;
constexpr int kRadioA = 10, kList = 11, kRadioB = 12, kIp = 13, kRadioC = 14;
constexpr int kStatic = 20, kRadioD = 21;

// A group whose radios are interleaved with a list and an IP control, then
// a second group that a static with WS_GROUP opens.
sim::DialogTemplate TestTemplate() {
  using namespace ui;
  return {kTemplate,
          kWsPopup | kWsVisible | kWsCaption,
          0,
          100,
          80,
          "Test",
          {{"A", kRadioA, "Button", kBsAutoRadioButton | kWsGroup, 0, 0, 10, 10, 0},
           {"", kList, "ListBox", kLbsNotify | kLbsSort, 0, 0, 10, 10, 0},
           {"B", kRadioB, "Button", kBsAutoRadioButton, 0, 0, 10, 10, 0},
           {"", kIp, "SysIPAddress32", kWsTabStop, 0, 0, 10, 10, 0},
           {"C", kRadioC, "Button", kBsAutoRadioButton, 0, 0, 10, 10, 0},
           {"x", kStatic, "Static", kSsNotify | kWsGroup, 0, 0, 10, 10, 0},
           {"D", kRadioD, "Button", kBsAutoRadioButton, 0, 0, 10, 10, 0},
           {"OK", kIdOk, "Button", kBsDefPushButton, 0, 0, 10, 10, 0},
           {"Cancel", kIdCancel, "Button", kBsPushButton, 0, 0, 10, 10, 0}}};
}

class TestDialog : public ui::Dialog {
 public:
  TestDialog() : ui::Dialog(kTemplate) {}

  int32_t m_nChoice = 1;
  ui::ListBox m_list;
  ui::IpAddressCtrl m_ip;
  std::vector<std::string> events;
  int32_t fieldValueToGive = 7;

  using ui::Dialog::UpdateData;

 protected:
  void DoDataExchange(ui::DataExchange& dx) override {
    ui::ExchangeRadioGroup(dx, kRadioA, m_nChoice);
    ui::ExchangeControl(dx, kList, m_list);
    ui::ExchangeControl(dx, kIp, m_ip);
  }

  const ui::MessageMap& GetMessageMap() const override {
    using Map = ui::MessageMapOf<TestDialog>;
    static const ui::MessageEntry kEntries[] = {
        Map::Message<&TestDialog::OnSetFont>(ui::kWmSetFont),
        Map::CommandRange<&TestDialog::OnRadio>(ui::kBnClicked, kRadioA, kRadioC),
        Map::Command<&TestDialog::OnStaticClicked>(ui::kStnClicked, kStatic),
        Map::Notify<&TestDialog::OnFieldChanged>(ui::kIpnFieldChanged, kIp),
        Map::Message<&TestDialog::OnPaint>(ui::kWmPaint),
        Map::Message<&TestDialog::OnDestroy>(ui::kWmDestroy),
    };
    static const ui::MessageMap kMap = {kEntries, sizeof kEntries / sizeof kEntries[0],
                                        &ui::Dialog::BaseMessageMap()};
    return kMap;
  }

 private:
  void OnSetFont() { events.push_back("setfont"); }
  void OnRadio() {
    UpdateData(true);
    events.push_back("radio " + std::to_string(m_nChoice));
  }
  void OnStaticClicked() { events.push_back("static"); }
  void OnFieldChanged(ui::NotifyHeader* header, ui::LResult* result) {
    auto* notice = reinterpret_cast<ui::IpAddressNotice*>(header);
    events.push_back("field " + std::to_string(notice->field) + "=" +
                     std::to_string(notice->value));
    notice->value = fieldValueToGive;
    *result = 0;
  }
  void OnPaint() { ui::Dialog::OnPaint(); }
  void OnDestroy() { events.push_back(Handle() != nullptr ? "destroy" : "destroy without window"); }
};

class DialogFrameworkTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    sim::Ui().extraTemplates[kTemplate] = TestTemplate();
  }
  TestDialog dlg;
};

TEST_F(DialogFrameworkTest, TheHostHandsTheDialogOverFromInitDialogToNcDestroy) {
  platform::WindowHandle seen = nullptr;
  const intptr_t result = RunModal(dlg, [&](platform::WindowHandle d) {
    seen = d;
    EXPECT_EQ(dlg.Handle(), d);
    EXPECT_EQ(dlg.m_list.Handle(), sim::Control(d, kList));
    EXPECT_TRUE(sim::Window(d)->Visible()) << "shown once WM_INITDIALOG is handled";
    sim::PressEscape(d);
  });
  EXPECT_EQ(result, ui::kIdCancel);
  EXPECT_NE(seen, nullptr);
  // WM_SETFONT comes before WM_INITDIALOG: the procedure has no dialog yet.
  EXPECT_EQ(dlg.events, (std::vector<std::string>{"destroy"}));
  EXPECT_EQ(dlg.Handle(), nullptr) << "let go at WM_NCDESTROY";
  EXPECT_EQ(dlg.m_list.Handle(), nullptr) << "and so did the bound wrappers";
  EXPECT_EQ(sim::Ui().dialogs.size(), 0u);
}

TEST_F(DialogFrameworkTest, RadioGroupExchangeCountsOnlyRadiosUpToTheNextGroup) {
  RunModal(dlg, [&](platform::WindowHandle d) {
    // The base initialisation wrote m_nChoice 1: the second radio, B.
    EXPECT_EQ(Checks(d, {kRadioA, kRadioB, kRadioC, kRadioD}), "0100");
    for (const auto& m : sim::Ui().sent) {
      const auto* target = sim::Window(m.window);
      if (m.message != ui::kBmSetCheck) continue;
      EXPECT_EQ(target->style & ui::kBsTypeMask, ui::kBsAutoRadioButton) << target->id;
    }

    dlg.m_nChoice = 2;
    dlg.UpdateData(false);
    EXPECT_EQ(Checks(d, {kRadioA, kRadioB, kRadioC, kRadioD}), "0010");

    // A click checks within the group only; D's group is another one.
    sim::Click(d, kRadioD);
    ASSERT_TRUE(sim::Click(d, kRadioA));
    EXPECT_EQ(Checks(d, {kRadioA, kRadioB, kRadioC, kRadioD}), "1001");
    EXPECT_EQ(dlg.events.back(), "radio 0") << "checked before BN_CLICKED";

    // Out of range: every radio cleared, and read back as none.
    dlg.m_nChoice = 5;
    dlg.UpdateData(false);
    EXPECT_EQ(Checks(d, {kRadioA, kRadioB, kRadioC}), "000");
    dlg.m_nChoice = 0;
    dlg.UpdateData(true);
    EXPECT_EQ(dlg.m_nChoice, -1);

    sim::PressEscape(d);
  });
}

TEST_F(DialogFrameworkTest, NotificationsReachTheirEntriesAndDefaultsGoToTheSystem) {
  RunModal(dlg, [&](platform::WindowHandle d) {
    EXPECT_TRUE(sim::Click(d, kStatic));
    EXPECT_EQ(dlg.events.back(), "static");

    // The handler's change to the record is what the field takes.
    sim::Control(d, kIp)->fields[2] = 9;
    ASSERT_TRUE(sim::LeaveIpField(d, kIp, 2, -1));
    EXPECT_EQ(dlg.events.back(), "field 2=-1");
    EXPECT_EQ(sim::Control(d, kIp)->fields[2], 7);

    sim::Ui().defaultHandled.clear();
    sim::Paint(d);
    sim::HoverOver(d, kRadioA);
    EXPECT_EQ(sim::Ui().defaultHandled, (std::vector<uint32_t>{ui::kWmPaint, ui::kWmSetCursor}));
    sim::PressEscape(d);
  });
}

TEST_F(DialogFrameworkTest, EnterClicksTheDefaultButtonOnlyWhileItIsEnabled) {
  const intptr_t result = RunModal(dlg, [&](platform::WindowHandle d) {
    ui::Enable(dlg.Item(ui::kIdOk), false);
    EXPECT_FALSE(sim::PressEnter(d));
    EXPECT_FALSE(sim::Window(d)->ended);
    ui::Enable(dlg.Item(ui::kIdOk), true);
    dlg.m_nChoice = 2;
    EXPECT_TRUE(sim::PressEnter(d));  // the base OnOK: exchange, then IDOK
  });
  EXPECT_EQ(result, ui::kIdOk);
  EXPECT_EQ(dlg.m_nChoice, 1) << "OnOK read the controls back";
}

TEST_F(DialogFrameworkTest, TheCloseBoxCancelsUnlessCancelIsDisabledEscapeAlways) {
  intptr_t result = RunModal(dlg, [&](platform::WindowHandle d) {
    ui::Enable(dlg.Item(ui::kIdCancel), false);
    sim::PressCloseBox(d);
    EXPECT_FALSE(sim::Window(d)->ended);
    sim::PressEscape(d);
  });
  EXPECT_EQ(result, ui::kIdCancel);

  result = RunModal(dlg, [&](platform::WindowHandle d) { sim::PressCloseBox(d); });
  EXPECT_EQ(result, ui::kIdCancel);
  EXPECT_EQ(sim::Ui().endResults, (std::vector<intptr_t>{ui::kIdCancel, ui::kIdCancel}));
}

TEST_F(DialogFrameworkTest, HiddenOrDisabledControlsTakeNoClicks) {
  RunModal(dlg, [&](platform::WindowHandle d) {
    ui::Show(dlg.Item(kRadioC), platform::kSwHide);
    EXPECT_FALSE(sim::Click(d, kRadioC));
    ui::Enable(dlg.Item(kRadioA), false);
    EXPECT_FALSE(sim::Click(d, kRadioA));
    EXPECT_EQ(Checks(d, {kRadioA, kRadioB, kRadioC}), "010");
    sim::PressEscape(d);
  });
}

TEST_F(DialogFrameworkTest, SortedListSortsAddedItemsButNotInsertedOnes) {
  RunModal(dlg, [&](platform::WindowHandle d) {
    const ui::ListBox& list = dlg.m_list;
    EXPECT_EQ(list.AddString("b"), 0);
    EXPECT_EQ(list.AddString("A"), 0) << "sorted, without regard to case";
    EXPECT_EQ(list.AddString("c"), 2);
    EXPECT_EQ(sim::Control(d, kList)->items, (std::vector<std::string>{"A", "b", "c"}));
    list.ResetContent();

    EXPECT_EQ(list.AddString("prompt"), 0);
    EXPECT_EQ(list.InsertString(-1, "USB002"), 1);
    EXPECT_EQ(list.InsertString(-1, "COM1:"), 2);
    EXPECT_EQ(sim::Control(d, kList)->items,
              (std::vector<std::string>{"prompt", "USB002", "COM1:"}))
        << "inserted at the end, not sorted";
    EXPECT_EQ(list.InsertString(9, "x"), ui::kLbErr);

    EXPECT_EQ(list.SetCurSel(2), 2);
    list.InsertString(0, "first");
    EXPECT_EQ(list.GetCurSel(), 3) << "the selection stays on its item";
    std::string text;
    ASSERT_TRUE(list.GetText(3, &text));
    EXPECT_EQ(text, "COM1:");
    EXPECT_FALSE(list.GetText(4, &text));
    EXPECT_EQ(list.SetCurSel(4), ui::kLbErr);
    EXPECT_EQ(list.GetCurSel(), 3);
    EXPECT_EQ(list.GetCount(), 4);

    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetCurSel(), ui::kLbErr);
    sim::PressEscape(d);
  });
}

TEST_F(DialogFrameworkTest, IpAddressControlHasFourFields) {
  RunModal(dlg, [&](platform::WindowHandle d) {
    const ui::IpAddressCtrl& ip = dlg.m_ip;
    EXPECT_TRUE(ip.IsBlank());
    EXPECT_EQ(dlg.m_ip.Text(), "...");
    ip.SetAddress(ui::MakeIpAddress(192, 168, 1, 100));
    EXPECT_EQ(ip.Text(), "192.168.1.100");
    uint8_t f[4] = {};
    EXPECT_EQ(ip.GetAddress(&f[0], &f[1], &f[2], &f[3]), 4);
    EXPECT_EQ(std::vector<int>(f, f + 4), (std::vector<int>{192, 168, 1, 100}));

    sim::Control(d, kIp)->fields[1] = -1;  // the user cleared one field
    EXPECT_EQ(ip.Text(), "192..1.100");
    EXPECT_EQ(ip.GetAddress(&f[0], &f[1], &f[2], &f[3]), 3);
    EXPECT_EQ(f[1], 0) << "a blank field reads as 0";

    ip.ClearAddress();
    EXPECT_TRUE(ip.IsBlank());
    ip.SetAddress(0);
    EXPECT_EQ(ip.Text(), "0.0.0.0");
    sim::PressEscape(d);
  });
}

TEST_F(DialogFrameworkTest, AFailedCreationEndsTheRunWithMinusOne) {
  sim::FailCall("DialogBoxParamA", 1814);
  EXPECT_EQ(dlg.DoModal(), -1);
  sim::Ui().extraTemplates.clear();
  EXPECT_EQ(dlg.DoModal(), -1) << "no template 900 in the module";
  EXPECT_EQ(sim::Ui().modalRuns, 0);
}

TEST(ApplicationTest, TheFirstApplicationObjectRegistersItself) {
  ui::Application* before = ui::Application::Instance();
  ASSERT_NE(before, nullptr) << "the program's global application object";
  {
    ui::Application another;
    EXPECT_EQ(ui::Application::Instance(), before);
  }
  EXPECT_EQ(ui::Application::Instance(), before);
}

}  // namespace
