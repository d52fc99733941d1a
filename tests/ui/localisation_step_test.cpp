// localiseControl on every control type, and the localisation step over made-up
// collections. The captions of the real window are checked end to end.

#include "errors/error.h"
#include "locale/gb_big5_api.h"
#include "ui/localisation_step.h"

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
            throw errors::Error(438, L"Object doesn't support this property or method");
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

// A collection over made-up controls that notes which elements were taken.
class NotingCollection : public forms::ControlCollection {
  public:
    int count() const override { return static_cast<int>(elements.size()); }
    forms::Control& controls(int index) const override {
        ++takes[index];
        return *elements.at(static_cast<std::size_t>(index));
    }
    std::vector<std::unique_ptr<forms::Control>> elements;
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
        localiseControl(control);
        EXPECT_EQ(log, uses) << type;
    }
}

TEST_F(Localisation, AnErrorStopsThePassAtThatControlAndKeepsWhatWasWritten) {
    NotingCollection collection;
    for (int i = 0; i < 3; ++i)
        collection.elements.push_back(std::make_unique<FakeControl>(L"Label", log));
    static_cast<FakeControl&>(*collection.elements[1]).failOnRead = true;
    EXPECT_THROW(localisationStep(collection), errors::Error);
    EXPECT_EQ(collection.takes, (std::map<int, int>{{0, 1}, {1, 1}}));
    EXPECT_EQ(static_cast<FakeControl&>(*collection.elements[0]).properties.size(), 2u);
    EXPECT_TRUE(static_cast<FakeControl&>(*collection.elements[2]).properties.empty());
}

} // namespace
