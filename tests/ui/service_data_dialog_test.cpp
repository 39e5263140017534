#include "ui/service/service_data_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>

#include "service_fixture.h"
#include "ui/service/service_mode.h"
#include "ui/service/service_password_dialog.h"

namespace quorprog {
namespace {

using test_support::DualGroupDevice;

QStringList itemsOf(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

class ServiceDataDialogTest : public ::testing::Test {
  protected:
    GroupViewHooks recordingDisplay() {
        return {[this] { ++commits; }, [this] { ++infos; }};
    }
    template <typename T>
    T* control(QWidget& dialog, const char* name) {
        T* found = dialog.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    DualGroupDevice device;
    int commits = 0;
    int infos = 0;
};

TEST_F(ServiceDataDialogTest, StartsWithNothingChosen) {
    TformService dialog(device.table, device.map, 0, recordingDisplay());

    EXPECT_EQ(dialog.windowTitle(), "SERVICE DATA");
    auto* dividers = control<QComboBox>(dialog, "listXTALDividers");
    EXPECT_EQ(dividers->currentIndex(), -1);
    EXPECT_EQ(itemsOf(dividers), (QStringList{"no change", "12.500 / 1024", "5.000 / 2560",
                                              "6.250 / 2048", "10.000 / 1280", "25.000 / 512"}));
    EXPECT_TRUE(control<QLineEdit>(dialog, "editMinFreq")->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>(dialog, "editMaxFreq")->text().isEmpty());
    EXPECT_EQ(control<QLabel>(dialog, "Option0Label")->text(), "double click (enabled)");
    EXPECT_EQ(control<QLabel>(dialog, "Option1Label")->text(), "DDC option (no)");
    auto* ddc = control<QComboBox>(dialog, "Option1List");
    EXPECT_EQ(ddc->currentIndex(), 0);
    EXPECT_EQ(itemsOf(ddc), (QStringList{"no change", "no", "yes"}));
    EXPECT_EQ(ddc->parentWidget(), control<QGroupBox>(dialog, "gbOptions"));
}

TEST_F(ServiceDataDialogTest, GroupWithoutOptionsGetsNoOptionRows) {
    TformService dialog(device.table, device.map, 1, recordingDisplay());
    EXPECT_TRUE(control<QGroupBox>(dialog, "gbOptions")->findChildren<QComboBox*>().isEmpty());
}

TEST_F(ServiceDataDialogTest, OkWithNothingChosenChangesNothing) {
    device.image.bytes()[127] = 0x0C;
    const Bytes bytesBefore = device.image.bytes();
    TformService dialog(device.table, device.map, 0, recordingDisplay());

    control<QPushButton>(dialog, "btnOK")->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(device.image.bytes(), bytesBefore);
    EXPECT_EQ(device.image.changedFlags(), Bytes(device.image.size(), 0));
    EXPECT_EQ(device.table.MinFreq[0], 470000u);
    EXPECT_EQ(device.table.Options[0]->Index, 0);
    EXPECT_EQ(commits + infos, 0);
}

TEST_F(ServiceDataDialogTest, OkAppliesTheChosenControls) {
    TformService dialog(device.table, device.map, 0, recordingDisplay());
    control<QComboBox>(dialog, "listXTALDividers")->setCurrentIndex(5);  // 25 kHz
    control<QLineEdit>(dialog, "editMinFreq")->setText("500000");
    control<QComboBox>(dialog, "Option1List")->setCurrentIndex(2);  // DDC "yes", code 0
    device.image.bytes()[127] = 0x04;

    control<QPushButton>(dialog, "btnOK")->click();

    EXPECT_EQ(device.table.R[0][7], 512);
    EXPECT_EQ(device.map.ReadMapValue("Partition0.R7"), 512);
    EXPECT_EQ(device.table.MinFreq[0], 470000u) << "only one range field was filled";
    EXPECT_EQ(device.table.Options[0]->Next->Index, 1);
    EXPECT_EQ(device.image.bytes()[127], 0x00);
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(infos, 1);
}

TEST_F(ServiceDataDialogTest, CancelChangesNothing) {
    TformService dialog(device.table, device.map, 0, recordingDisplay());
    control<QComboBox>(dialog, "listXTALDividers")->setCurrentIndex(2);
    control<QLineEdit>(dialog, "editMinFreq")->setText("500000");
    control<QLineEdit>(dialog, "editMaxFreq")->setText("600000");

    control<QPushButton>(dialog, "btnCancel")->click();

    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(device.table.R[0][0], 1024);
    EXPECT_EQ(device.table.MaxFreq[0], 790000u);
    EXPECT_EQ(device.image.changedFlags(), Bytes(device.image.size(), 0));
    EXPECT_EQ(commits + infos, 0);
}

// btnOK is a plain button: Enter after one field must not apply a half-entered form.
TEST_F(ServiceDataDialogTest, EnterInAFieldPressesNoButton) {
    TformService dialog(device.table, device.map, 0, recordingDisplay());
    dialog.show();
    auto* minFreq = control<QLineEdit>(dialog, "editMinFreq");
    minFreq->setFocus();
    QTest::keyClicks(minFreq, "500000");
    QTest::keyClick(minFreq, Qt::Key_Return);

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(device.image.changedFlags(), Bytes(device.image.size(), 0));
    EXPECT_EQ(commits + infos, 0);
}

// Plays the user at whatever modal dialog comes up, one action per kind of dialog.
class ModalScript : public QObject {
  public:
    ModalScript(std::function<void(QWidget&)> atPassword, std::function<void(QWidget&)> atService)
        : atPassword_(std::move(atPassword)), atService_(std::move(atService)) {
        connect(&timer_, &QTimer::timeout, this, &ModalScript::step);
        timer_.start(5);
    }

  private:
    void step() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* password = qobject_cast<TformServicePassword*>(modal); password && atPassword_) {
            std::exchange(atPassword_, nullptr)(*password);
        } else if (auto* service = qobject_cast<TformService*>(modal); service && atService_) {
            std::exchange(atService_, nullptr)(*service);
        }
    }

    QTimer timer_;
    std::function<void(QWidget&)> atPassword_;
    std::function<void(QWidget&)> atService_;
};

TEST_F(ServiceDataDialogTest, ServiceModeWorksOnTheGroupShownWhenTheKeyWasPressed) {
    const int shownGroup = 1;  // the group spinGroup was set to before Ctrl+S
    bool serviceDialogShown = false;
    ModalScript script(
        [](QWidget& password) {
            password.findChild<QLineEdit*>("editPassword")->setText("OrchardLantern");
            password.findChild<QPushButton*>("Button1")->click();
        },
        [&](QWidget& service) {
            serviceDialogShown = true;
            service.findChild<QComboBox*>("listXTALDividers")->setCurrentIndex(2);
            service.findChild<QLineEdit*>("editMinFreq")->setText("480000");
            service.findChild<QLineEdit*>("editMaxFreq")->setText("700000");
            service.findChild<QPushButton*>("btnOK")->click();
        });

    runServiceMode(nullptr, device.prompter, device.table, device.map, shownGroup,
                   recordingDisplay());

    ASSERT_TRUE(serviceDialogShown);
    EXPECT_EQ(device.table.R[1][0], 2560);
    EXPECT_EQ(device.table.MaxFreq[1], 700000u);
    EXPECT_EQ(device.map.ReadMapValue("Partition1.MaxFreq"), 700000);
    EXPECT_EQ(device.table.R[0][0], 1024);
    EXPECT_EQ(device.table.MaxFreq[0], 790000u);
    for (size_t address = 0; address < 128; ++address) {
        EXPECT_FALSE(device.image.isChanged(address)) << "group 0 byte " << address;
    }
}

TEST_F(ServiceDataDialogTest, WrongPasswordNeverOpensTheServiceData) {
    bool serviceDialogShown = false;
    ModalScript script(
        [](QWidget& password) {
            password.findChild<QLineEdit*>("editPassword")->setText("orchardLantern");
            password.findChild<QPushButton*>("Button1")->click();
        },
        [&](QWidget& service) {
            serviceDialogShown = true;
            service.close();
        });

    runServiceMode(nullptr, device.prompter, device.table, device.map, 0, recordingDisplay());

    EXPECT_FALSE(serviceDialogShown);
    ASSERT_EQ(device.prompter.messages.size(), 1u);
    EXPECT_EQ(device.prompter.messages[0].caption, "error");
}

}  // namespace
}  // namespace quorprog
