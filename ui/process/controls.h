#pragma once
// The Qt controls the process windows and their tables are built of,
// declared for their headers.

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QWidget;
