// localiseControl on every control type, and the localisation step over a collection:
// the real settings window seen through a spy, and made-up collections.

#include "app/forms/error.h"
#include "locale/gb_big5_api.h"
#include "settings/mod_ini_edit.h"
#include "tests/support/test_support.h"
#include "ui/localisation_step.h"
#include "ui/trovane_config.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// A control of any type name, with properties, that records how they are used.
class FakeControl : public forms::Control {
  public:
    FakeControl(std::wstring type, std::vector<std::wstring>& log) : type_(std::move(type)), log_(log) {}
    std::wstring_view typeName() const override { return type_; }
    std::wstring getProperty(std::wstring_view property) const override {
        log_.push_back(L"get " + std::wstring(property));
        if (failOnRead)
            throw forms::Error(438, L"Object doesn't support this property or method");
        const auto found = properties.find(std::wstring(property));
        return found == properties.end() ? L"简体" : found->second;
    }
    void setProperty(std::wstring_view property, const std::wstring& value) override {
        log_.push_back(L"set " + std::wstring(property) + L"=" + value);
        properties[std::wstring(property)] = value;
    }
    std::map<std::wstring, std::wstring> properties;
    bool failOnRead = false;

  private:
    std::wstring type_;
    std::vector<std::wstring>& log_;
};

// Passes each use of a real control on to it, and records the use.
class SpyControl : public forms::Control {
  public:
    SpyControl(forms::Control& real, std::vector<std::wstring>& log) : real_(real), log_(log) {}
    std::wstring_view typeName() const override { return real_.typeName(); }
    std::wstring getProperty(std::wstring_view property) const override {
        log_.push_back(L"get " + std::wstring(property));
        return real_.getProperty(property);
    }
    void setProperty(std::wstring_view property, const std::wstring& value) override {
        log_.push_back(L"set " + std::wstring(property) + L"=" + value);
        real_.setProperty(property, value);
    }

  private:
    forms::Control& real_;
    std::vector<std::wstring>& log_;
};

// A collection over other controls that counts how often each element is taken.
class CountingCollection : public forms::ControlCollection {
  public:
    int count() const override {
        ++countReads;
        return static_cast<int>(elements.size());
    }
    forms::Control& controls(int index) const override {
        ++takes[index];
        return *elements.at(static_cast<std::size_t>(index));
    }
    std::vector<std::unique_ptr<forms::Control>> elements;
    std::vector<std::vector<std::wstring>> logs;
    mutable int countReads = 0;
    mutable std::map<int, int> takes;
};

class Localisation : public testing::Test {
  protected:
    void TearDown() override { gb_big5_api::SystemCharset.clear(); }
    std::vector<std::wstring> log;
};

TEST_F(Localisation, EachTypeOfTheTableHasExactlyItsTextsConverted) {
    gb_big5_api::SystemCharset = L"BIG5";
    const std::map<std::wstring, std::vector<std::wstring>> expected{
        {L"Menu", {L"get Caption", L"set Caption=簡體"}},
        {L"CommandButton",
         {L"get Caption", L"set Caption=簡體", L"get ToolTipText", L"set ToolTipText=簡體"}},
        {L"Label", {L"get Caption", L"set Caption=簡體", L"get ToolTipText", L"set ToolTipText=簡體"}},
        {L"CheckBox", {L"get Caption", L"set Caption=簡體"}},
        {L"OptionButton", {L"get Caption", L"set Caption=簡體"}},
        {L"Frame", {L"get Caption", L"set Caption=簡體"}},
        {L"PictureBox", {L"get ToolTipText", L"set ToolTipText=簡體"}},
        {L"ListBox", {L"get ToolTipText", L"set ToolTipText=簡體"}},
        {L"HScrollBar", {}},
        {L"TextBox", {}},
        {L"Image", {}},
        {L"Timer", {}}};
    for (const auto& [type, uses] : expected) {
        log.clear();
        FakeControl control(type, log);
        gb_big5_api::localiseControl(control);
        EXPECT_EQ(log, uses) << type;
    }
}

TEST_F(Localisation, OnGbkTextsAreWrittenBackUnchanged) {
    gb_big5_api::SystemCharset = L"GBK";
    FakeControl control(L"Frame", log);
    control.properties[L"Caption"] = L"";
    gb_big5_api::localiseControl(control);
    EXPECT_EQ(log, (std::vector<std::wstring>{L"get Caption", L"set Caption="}));
}

TEST_F(Localisation, AnErrorStopsThePassAtThatControlAndKeepsWhatWasWritten) {
    CountingCollection collection;
    for (int i = 0; i < 3; ++i)
        collection.elements.push_back(std::make_unique<FakeControl>(L"Label", log));
    static_cast<FakeControl&>(*collection.elements[1]).failOnRead = true;
    EXPECT_THROW(localisationStep(collection), forms::Error);
    EXPECT_EQ(collection.takes, (std::map<int, int>{{0, 1}, {1, 1}}));
    EXPECT_EQ(static_cast<FakeControl&>(*collection.elements[0]).properties.size(), 2u);
    EXPECT_TRUE(static_cast<FakeControl&>(*collection.elements[2]).properties.empty());
}

TEST_F(Localisation, AnEmptyCollectionIsLeftAlone) {
    CountingCollection collection;
    localisationStep(collection);
    EXPECT_EQ(collection.countReads, 1);
    EXPECT_TRUE(collection.takes.empty());
}

// The real settings window, loaded from a file, seen through spies.
class LocalisationOfTheWindow : public Localisation {
  protected:
    void SetUp() override {
        ModINIedit::INIFileName = folder.file(L"qirmod.ini");
        test::writeFile(ModINIedit::INIFileName, test::kWorkedExample);
        form.create();
        form.readINI();
        spies.logs.resize(static_cast<std::size_t>(form.count()));
        for (int i = 0; i < form.count(); ++i)
            spies.elements.push_back(
                std::make_unique<SpyControl>(form.controls(i), spies.logs[std::size_t(i)]));
    }
    std::wstring caption(std::wstring_view type, int nth) {
        for (int i = 0; i < form.count(); ++i)
            if (form.controls(i).isType(type) && nth-- == 0)
                return form.controls(i).getProperty(L"Caption");
        return L"<none>";
    }

    test::TempFolder folder{L"locale"};
    Trovane_Config form;
    CountingCollection spies;
};

TEST_F(LocalisationOfTheWindow, VisitsAllThirtyControlsOnceAndLeavesTheScrollBarsAlone) {
    localisationStep(spies);
    EXPECT_EQ(spies.countReads, 1);
    ASSERT_EQ(spies.takes.size(), 30u);
    for (const auto& [index, times] : spies.takes)
        EXPECT_EQ(times, 1) << index;
    for (int i = 0; i < form.count(); ++i) {
        const auto& uses = spies.logs[std::size_t(i)];
        const std::wstring_view type = form.controls(i).typeName();
        if (type == L"HScrollBar")
            EXPECT_TRUE(uses.empty());
        else if (type == L"Frame")
            EXPECT_EQ(uses, (std::vector<std::wstring>{L"get Caption", L"set Caption="}));
        else
            EXPECT_EQ(uses.size(), type == L"OptionButton" ? 2u : 4u) << i;
    }
}

TEST_F(LocalisationOfTheWindow, CaptionsSuitTheSystemAndTheLabelsKeepTheirNumbers) {
    localisationStep(spies);
    const bool simplified = GetSystemDefaultLangID() == 2052;
    EXPECT_EQ(form.Command2.caption(), simplified ? L"运行游戏" : L"運行遊戲");
    EXPECT_EQ(form.Option1[1].caption(), simplified ? L"简体" : L"簡體");
    EXPECT_EQ(form.Option1[0].caption(), L"繁體");
    EXPECT_EQ(form.Option4[1].caption(), simplified ? L"无怒气半即时" : L"無怒氣半即時");
    EXPECT_EQ(form.Label9.caption(), L"50");
    EXPECT_EQ(form.Label8.caption(), L"127");
    EXPECT_EQ(form.Label7.caption(), L"0");
    EXPECT_EQ(caption(L"Frame", 0), L"");
}

} // namespace
