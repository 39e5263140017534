#pragma once

class QComboBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QWidget;

namespace quorprog {

class ClickableImage;
class UpDownControl;

// The controls of the main window, each named (objectName) as the program's documentation names
// it, at its fixed place. Owned by the window (Qt parent); handlers reach them through here.
struct MainWindowControls {
    QFrame* panelLogo;
    ClickableImage* imgLogo;
    QLabel* labelBuild;
    QFrame* panelButtons;
    ClickableImage* imgMinimize;
    ClickableImage* imgExit;
    QLabel* labelProgrammer;
    QComboBox* listProgrammers;
    QProgressBar* cgBattery;
    QPushButton* btnSearchProgrammer;
    QLabel* labelGroup;
    QSpinBox* spinGroup;
    QTableWidget* Grid;
    UpDownControl* GridUpDown;
    QComboBox* GridComboBox;
    QFrame* panelToolbar;
    ClickableImage* imgOpen;
    ClickableImage* imgSave;
    ClickableImage* imgPrint;
    ClickableImage* imgHelp;
    QLabel* labelHelp;
    QFrame* panelData;
    QLabel* labelType;
    QLabel* labelRxTx;
    QLabel* labelRange;
    QLabel* labelRangeValue;
    QLabel* labelStep;
    QLabel* labelStepValue;
    QFrame* panelReadWrite;
    ClickableImage* imgRead;
    ClickableImage* imgWrite;
    QComboBox* listLanguages;
};

// Creates every control on `form` in its initial state.
MainWindowControls createMainWindowControls(QWidget* form);

}  // namespace quorprog
