#include "settings/registry.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace quilldar::settings {
namespace {

class RegistryTest : public ::testing::Test {
protected:
    QTemporaryDir folder_;
    RegistryLocation location_ = RegistryLocation::inFolder(folder_.path());
};

TEST_F(RegistryTest, OpeningCreatesTheKeyFileOfEachRoot) {
    CRegistry machine(location_, RegistryRoot::LocalMachine);
    CRegistry user(location_, RegistryRoot::CurrentUser);
    ASSERT_TRUE(machine.isOpen()) << machine.errorText().toStdString();
    ASSERT_TRUE(user.isOpen());
    EXPECT_TRUE(QFile::exists(location_.fileOf(RegistryRoot::LocalMachine)));
    EXPECT_TRUE(QFile::exists(location_.fileOf(RegistryRoot::CurrentUser)));
    EXPECT_NE(location_.fileOf(RegistryRoot::LocalMachine),
              location_.fileOf(RegistryRoot::CurrentUser));
    EXPECT_FALSE(machine.contains(QStringLiteral("Settings")));
}

TEST_F(RegistryTest, ValuesWithControlAndNonLatinCharactersSurviveReopening) {
    // "Settings" and "Language2" are stored as character codes 1..N.
    const QString settings = QString(10, QChar(1)) + QChar(0xFF);
    const QString folder = QStringLiteral("/home/m\u00FCller/Fahrten, 2024");
    {
        CRegistry machine(location_, RegistryRoot::LocalMachine);
        EXPECT_TRUE(machine[QStringLiteral("Settings")].set(settings));
        EXPECT_TRUE(machine[QStringLiteral("Language2")].set(QString(QChar(4))));
        EXPECT_TRUE(machine[QStringLiteral("OpenSave1")].set(folder));
    }
    CRegistry reopened(location_, RegistryRoot::LocalMachine);
    EXPECT_EQ(reopened[QStringLiteral("Settings")].value(), settings);
    EXPECT_EQ(reopened[QStringLiteral("Language2")].value(), QString(QChar(4)));
    EXPECT_EQ(reopened[QStringLiteral("OpenSave1")].value(), folder);
    EXPECT_TRUE(reopened[QStringLiteral("OpenSave1")].exists());
    EXPECT_FALSE(reopened[QStringLiteral("OpenSave")].exists());
}

TEST_F(RegistryTest, ValuesLiveUnderTheProgramsKey) {
    {
        CRegistry machine(location_, RegistryRoot::LocalMachine);
        machine.setValue(QStringLiteral("FAQ"), QStringLiteral("1009"));
    }
    QSettings raw(location_.fileOf(RegistryRoot::LocalMachine), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Software/Morvalin/Quilldar/FAQ")).toString(), "1009");
}

TEST_F(RegistryTest, AKeyThatCannotBeCreatedIsNotOpenAndNeitherReadsNorWrites) {
    // A folder in place of the key's file: no user, root included, can open it as a file.
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("machine.ini")));
    CRegistry machine(location_, RegistryRoot::LocalMachine);
    EXPECT_FALSE(machine.isOpen());
    EXPECT_FALSE(machine.errorText().isEmpty());
    EXPECT_FALSE(machine.setValue(QStringLiteral("FAQ"), QStringLiteral("1009")));
    EXPECT_TRUE(machine.value(QStringLiteral("FAQ")).isEmpty());
}

TEST_F(RegistryTest, AWriteThatCannotBeFlushedIsReportedAsFailed) {
    CRegistry machine(location_, RegistryRoot::LocalMachine);
    ASSERT_TRUE(machine.isOpen());
    // The file disappears and a folder takes its name while the key is open.
    const QString file = location_.fileOf(RegistryRoot::LocalMachine);
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkdir(file));
    EXPECT_FALSE(machine.setValue(QStringLiteral("HLColor"), QStringLiteral("211")));
    EXPECT_TRUE(machine.errorText().contains(QStringLiteral("HLColor")));
}

}  // namespace
}  // namespace quilldar::settings
