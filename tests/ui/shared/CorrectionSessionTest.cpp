// The correction window's logic with a fake view over a real converter session: the first failed field focused,
// reasons updated on leaving a field, Page Down and Page Up keeping what was typed, Ctrl+S mending the log and
// converting again, Esc asking about unsaved corrections, and a failed save keeping everything.
#include "ui/shared/CorrectionSession.h"

#include "run/SystemFileSystem.h"
#include "tests/run/FaultyFileSystem.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/shared/FakeConverterView.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace quillon::ui {
namespace {

using tests::readFile;

class FakeCorrectionView : public CorrectionView
{
public:
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, bool, std::less<>> shown;
    std::map<std::string, bool, std::less<>> enabled;
    std::set<std::string, std::less<>> failed;
    std::string focused;
    std::vector<run::Message> messages;
    UnsavedAnswer answer = UnsavedAnswer::Cancel;
    int questions = 0;
    bool closed = false;

    void setControlText(std::string_view control, const std::string& text) override
    {
        texts[std::string(control)] = text;
    }
    std::string controlText(std::string_view control) const override
    {
        const auto found = texts.find(control);
        return found == texts.end() ? std::string() : found->second;
    }
    void showControl(std::string_view control, bool on) override { shown[std::string(control)] = on; }
    void enableControl(std::string_view control, bool on) override { enabled[std::string(control)] = on; }
    void setFailed(std::string_view control, bool on) override
    {
        on ? (void)failed.insert(std::string(control)) : (void)failed.erase(std::string(control));
    }
    void focusAndSelect(std::string_view control) override { focused = control; }
    void showMessage(const run::Message& message) override { messages.push_back(message); }
    UnsavedAnswer askAboutUnsaved(const run::Message&) override
    {
        ++questions;
        return answer;
    }
    void closeWindow() override { closed = true; }

    // Typing into the focused box replaces its selected text.
    void type(const std::string& text) { texts[focused] = text; }
};

std::string contact(const std::string& band, const std::string& dxcc, const std::string& date)
{
    return "N0CALL," + band + ",14.025,SSB,59,57,\"Smith, J\",nice qso," + dxcc +
           ",y,n,ma,NA-123,Hampden,5,Springfield," + date + ",1234";
}

const std::string kGood = contact("20", "291", "99-12-31");
const std::string kLog = kGood + "\r\n" + contact("20", "291", "99-13-31") + "\r\n" + kGood + "\r\n" +
                         contact("20X", "291", "99-12-30") + "\r\n" + contact("20", "USA", "99-12-29") + "\r\n" + kGood;

class CorrectionSessionTest : public testing::Test
{
protected:
    void SetUp() override { tests::writeFile(m_folder.file("log.asc"), kLog); }
    void convert(std::string_view dateOption = "dateOption1")
    {
        m_converter.Form_Load();
        m_converter.setLogFolder(m_folder.path().string());
        m_converterView.selectOption(dateOption);
        m_converter.option_Click(dateOption);
        m_converter.cbStart_Click();
    }
    std::string text(std::string_view control) const { return m_view.controlText(control); }
    std::string reason(engine::Field field) const { return text(forms::fieldReasonName(field)); }
    std::string box(engine::Field field) const { return std::string(forms::fieldBoxName(field)); }

    tests::TempFolder m_folder;
    tests::FakeView m_converterView;
    tests::FakePlaces m_places;
    tests::FakeSettings m_settings;
    ConverterSession m_converter{m_converterView, m_places, m_settings};
    FakeCorrectionView m_view;
    tests::FaultyFileSystem m_files;
    CorrectionSession m_session{m_view, m_converter, m_files};
};

using engine::Field;

TEST_F(CorrectionSessionTest, CorrectsTwoContactsAndConvertsAgain)
{
    convert();
    ASSERT_TRUE(m_session.open());
    EXPECT_EQ(text("lblContact"), "Contact 1 of 3: line 2 of log.asc");
    EXPECT_EQ(m_view.focused, box(Field::Date));
    EXPECT_EQ(reason(Field::Date), "no month 13 in YY-MM-DD");
    EXPECT_EQ(m_view.failed, (std::set<std::string, std::less<>>{box(Field::Date)}));
    EXPECT_EQ(text(box(Field::Name)), "Smith, J");
    EXPECT_FALSE(m_view.shown.at("txtLine"));
    EXPECT_FALSE(m_view.enabled.at("cbPrevious"));

    m_view.type("99-12-28");
    m_session.fieldLeft(m_view.focused);
    EXPECT_EQ(reason(Field::Date), "");
    EXPECT_TRUE(m_view.failed.empty());
    EXPECT_EQ(text("lblStatus"), "No problem left: this contact goes to log.adi once saved.");

    m_session.key(forms::CorrectionKey::PageDown);
    EXPECT_EQ(text("lblContact"), "Contact 2 of 3: line 4 of log.asc");
    EXPECT_EQ(m_view.focused, box(Field::Band));
    EXPECT_EQ(text(box(Field::Band)), "20X");
    EXPECT_TRUE(m_view.enabled.at("cbPrevious") && m_view.enabled.at("cbNext"));
    m_view.type("20");
    m_session.key(forms::CorrectionKey::PageUp);
    EXPECT_EQ(text(box(Field::Date)), "99-12-28"); // kept while away
    m_session.key(forms::CorrectionKey::PageDown);
    EXPECT_EQ(text(box(Field::Band)), "20");

    m_session.key(forms::CorrectionKey::CtrlS);
    EXPECT_TRUE(m_view.messages.empty());
    EXPECT_EQ(readFile(m_folder.file("log.asc")), kGood + "\r\n" + contact("20", "291", "99-12-28") + "\r\n" + kGood +
                                                      "\r\n" + contact("20", "291", "99-12-30") + "\r\n" +
                                                      contact("20", "USA", "99-12-29") + "\r\n" + kGood);
    EXPECT_EQ(readFile(m_folder.file("log.asc.original")), kLog);
    const std::string log = readFile(m_folder.file("log.adi"));
    EXPECT_NE(log.find("<QSO_DATE:8>19991228"), std::string::npos);
    EXPECT_NE(log.find("<QSO_DATE:8>19991230"), std::string::npos);
    EXPECT_NE(readFile(m_folder.file("bad.adi")).find("<DXCC:5>*BAD* USA"), std::string::npos);
    EXPECT_EQ(text("lblStatus"), "Saved and converted again: 6 contacts, 5 to log.adi, 1 to bad.adi.");
    EXPECT_EQ(text("lblContact"), "Contact 1 of 1: line 5 of log.asc");
    EXPECT_EQ(m_view.focused, box(Field::Dxcc));
    EXPECT_FALSE(m_view.enabled.at("cbNext"));

    m_session.key(forms::CorrectionKey::Escape);
    EXPECT_EQ(m_view.questions, 0);
    EXPECT_TRUE(m_view.closed);
}

TEST_F(CorrectionSessionTest, AsksBeforeClosingWithUnsavedCorrections)
{
    convert();
    ASSERT_TRUE(m_session.open());
    m_view.type("99-12-28");
    m_session.closeRequested();
    EXPECT_EQ(m_view.questions, 1);
    EXPECT_FALSE(m_view.closed);
    EXPECT_EQ(text(box(Field::Date)), "99-12-28");

    m_view.answer = UnsavedAnswer::Discard;
    m_session.closeRequested();
    EXPECT_TRUE(m_view.closed);
    EXPECT_EQ(readFile(m_folder.file("log.asc")), kLog);
    EXPECT_FALSE(std::filesystem::exists(m_folder.file("log.asc.original")));
}

TEST_F(CorrectionSessionTest, AFailedSaveKeepsEverythingAndSaysWhy)
{
    convert();
    const std::string bad = readFile(m_folder.file("bad.adi"));
    ASSERT_TRUE(m_session.open());
    m_view.type("99-12-28");
    m_files.failCreate.insert("log.asc.original"); // a read-only folder
    m_view.answer = UnsavedAnswer::Save;
    m_session.closeRequested();
    EXPECT_FALSE(m_view.closed);
    ASSERT_EQ(m_view.messages.size(), 1U);
    EXPECT_EQ(m_view.messages[0].title, "Cannot Save log.asc");
    EXPECT_EQ(m_view.messages[0].text,
              "The log was not changed: its original could not be kept in log.asc.original.\nPermission denied");
    EXPECT_EQ(readFile(m_folder.file("log.asc")), kLog);
    EXPECT_EQ(readFile(m_folder.file("bad.adi")), bad);
    EXPECT_EQ(text(box(Field::Date)), "99-12-28");
    EXPECT_TRUE(m_session.hasUnsavedChanges());
}

TEST_F(CorrectionSessionTest, ChecksAgainWithTheOptionsChosenNow)
{
    convert();
    ASSERT_TRUE(m_session.open());
    m_view.type("12-30-99");
    m_session.fieldLeft(m_view.focused);
    EXPECT_EQ(reason(Field::Date), "no month 30 in YY-MM-DD");
    m_converterView.selectOption("dateOption2");
    m_converter.option_Click("dateOption2");
    m_session.fieldLeft(m_view.focused);
    EXPECT_EQ(reason(Field::Date), "");
}

TEST_F(CorrectionSessionTest, MendsAShiftedLineAsOneText)
{
    const std::string seventeen = kGood.substr(0, kGood.rfind(','));
    tests::writeFile(m_folder.file("log.asc"), kGood + "\n" + seventeen + "\n" + kGood + "\n");
    convert();
    ASSERT_TRUE(m_session.open());
    EXPECT_EQ(text("lblContact"), "Contact 1 of 2: line 2 of log.asc, to be mended as one line");
    EXPECT_EQ(m_view.focused, "txtLine");
    EXPECT_TRUE(m_view.shown.at("txtLine"));
    EXPECT_FALSE(m_view.shown.at(box(Field::Date)));
    EXPECT_EQ(text("lblLineReason"), "line 2 holds 17 fields; the contacts after it are shifted");
    m_view.type(seventeen + ",9:99");
    m_session.fieldLeft("txtLine");
    EXPECT_EQ(text("lblLineReason"), "TIME: 9:99 is not a time: write HHMM, HH:MM, HHMMSS or HH:MM:SS");
    m_view.type(seventeen + ",0959");
    ASSERT_TRUE(m_session.save());
    EXPECT_EQ(readFile(m_folder.file("log.asc")), kGood + "\n" + seventeen + ",0959\n" + kGood + "\n");
    EXPECT_EQ(m_converter.lastRun().badRecords, 0);
    EXPECT_EQ(text("lblStatus"), "Saved and converted again: 3 contacts, 3 to log.adi, 0 to bad.adi.");
}

TEST_F(CorrectionSessionTest, RefusesAValueTheLogCannotHold)
{
    convert();
    ASSERT_TRUE(m_session.open());
    m_view.texts[box(Field::Comment)] = "a \"b\", c";
    EXPECT_FALSE(m_session.save());
    ASSERT_EQ(m_view.messages.size(), 1U);
    EXPECT_TRUE(m_view.messages[0].text.starts_with("The log was not changed: COMMENT on line 2 cannot be written"));
    EXPECT_EQ(m_view.focused, box(Field::Comment));
    EXPECT_EQ(readFile(m_folder.file("log.asc")), kLog);
}

// The window speaks UTF-8; the log keeps its own code page, in what was typed and in what was left alone.
TEST_F(CorrectionSessionTest, TypesIntoTheLogsOwnCodePage)
{
    const std::string bad = "K1ABC,20,14.025,SSB,59,57,M\xFCller,Z\xFCrich,291,y,n,ma,,,5,,99-13-31,1234";
    const std::string log = kGood + "\r\n" + bad + "\r\n";
    tests::writeFile(m_folder.file("log.asc"), log);
    m_converter.menu_Click(forms::MenuCommand::CodePageLatin1);
    convert();
    ASSERT_TRUE(m_session.open());
    EXPECT_EQ(text(box(Field::Name)), "M\u00FCller");
    EXPECT_EQ(text(box(Field::Comment)), "Z\u00FCrich");

    m_view.type("99-12-28");
    m_view.texts[box(Field::Name)] = "\u0141ukasz";
    m_session.fieldLeft(box(Field::Name));
    EXPECT_EQ(reason(Field::Name), "\u0141 cannot be written in the log's code page, ISO-8859-1; type another letter "
                                   "or choose the log's code page under Options");
    EXPECT_FALSE(m_session.save());
    EXPECT_EQ(m_view.focused, box(Field::Name));
    EXPECT_EQ(readFile(m_folder.file("log.asc")), log);

    m_view.texts[box(Field::Name)] = "J\u00FCrgen";
    ASSERT_TRUE(m_session.save());
    EXPECT_EQ(readFile(m_folder.file("log.asc")),
              kGood + "\r\nK1ABC,20,14.025,SSB,59,57,J\xFCrgen,Z\xFCrich,291,y,n,ma,,,5,,99-12-28,1234\r\n");
}

// Under ADIF 3 the checks are ADIF's: its submodes, its bands against FREQ.
TEST_F(CorrectionSessionTest, ChecksByAdif3sRulesWhenAdif3IsChosen)
{
    tests::writeFile(m_folder.file("log.asc"), kGood + "\r\n" + contact("40", "291", "99-12-30") + "\r\n");
    m_converter.menu_Click(forms::MenuCommand::Adif3Output);
    convert();
    ASSERT_TRUE(m_session.open());
    EXPECT_EQ(reason(Field::Band), "FREQ 14.025 is outside the 40M band (7 to 7.3 MHz)");
    m_view.type("20");
    m_view.texts[box(Field::Mode)] = "FT4";
    m_session.fieldLeft(box(Field::Band));
    EXPECT_EQ(text("lblStatus"), "No problem left: this contact goes to log.adi once saved.");
}

TEST_F(CorrectionSessionTest, OpensOnlyWhenThereIsSomethingToCorrect)
{
    EXPECT_FALSE(m_session.open()); // no run yet
    tests::writeFile(m_folder.file("log.asc"), kGood + "\r\n");
    convert();
    EXPECT_FALSE(m_session.open());
    ASSERT_EQ(m_view.messages.size(), 2U);
    EXPECT_EQ(m_view.messages[1].text, "No contact of log.asc goes to bad.adi with the options chosen now.");
}

} // namespace
} // namespace quillon::ui
