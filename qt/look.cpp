#include "qt/look.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <QStyleFactory>

namespace korvida::qt {

namespace {

const char* const kStyleSheet = R"(
QWidget { color: #e6e9ee; }
QLabel[heading="true"] { font-size: 17pt; font-weight: 300; color: #ffffff; }
QLabel[secondary="true"] { color: #8a93a0; }
QPushButton { background: #262a31; border: 1px solid #3a404a; border-radius: 5px; padding: 3px 12px; }
QPushButton:hover { background: #2f343c; }
QPushButton:pressed { background: #1d2026; }
QPushButton:disabled { color: #5d6673; }
QPushButton:checked { background: #1d2026; border-color: #7cc4ff; color: #ffffff; }
QPushButton:focus { border-color: #7cc4ff; }
QPushButton[accent="true"] { background: #245a8a; border-color: #3d7fb8; }
QPushButton[accent="true"]:hover { background: #2b6aa1; }
QLineEdit { background: #1a1d22; border: 1px solid #3a404a; border-radius: 11px; padding: 2px 8px;
            selection-background-color: #2c5d8f; }
QLineEdit:focus { border-color: #3d7fb8; }
QTableView { background: #121417; alternate-background-color: #16191d; border: 1px solid #23272e;
             selection-background-color: #24486a; selection-color: #ffffff; outline: none; }
QTableView:focus { border-color: #3d7fb8; }
QSlider:focus, QCheckBox:focus, QRadioButton:focus { background: #1d2733; }
QHeaderView::section { background: #1b1e23; color: #aab2bd; border: none; border-right: 1px solid #262a31;
                       border-bottom: 1px solid #262a31; padding: 3px 6px; }
QHeaderView::section:hover { color: #ffffff; }
QSplitter::handle { background: #000000; }
QSlider::groove:horizontal { height: 4px; background: #2b313a; border-radius: 2px; }
QSlider::sub-page:horizontal { background: #7cc4ff; border-radius: 2px; }
QSlider::handle:horizontal { background: #e6e9ee; width: 12px; margin: -4px 0; border-radius: 6px; }
QProgressBar { background: #2b313a; border: none; border-radius: 4px; }
QProgressBar::chunk { background: #7cc4ff; border-radius: 4px; }
QMenuBar { background: #15171b; }
QMenuBar::item:selected { background: #2b313a; }
QMenu { background: #1b1e23; border: 1px solid #333840; }
QMenu::item:selected { background: #24486a; }
QScrollBar:vertical { background: #121417; width: 10px; margin: 0; }
QScrollBar:horizontal { background: #121417; height: 10px; margin: 0; }
QScrollBar::handle { background: #3a404a; border-radius: 4px; min-height: 24px; min-width: 24px; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
QWidget[fullScreenPanel="true"] { background: #16181c; }
QWidget[fullScreen="true"] { background: #000000; }
)";

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x11, 0x13, 0x16));
    palette.setColor(QPalette::WindowText, QColor(0xe6, 0xe9, 0xee));
    palette.setColor(QPalette::Base, QColor(0x12, 0x14, 0x17));
    palette.setColor(QPalette::AlternateBase, QColor(0x16, 0x19, 0x1d));
    palette.setColor(QPalette::Text, QColor(0xe6, 0xe9, 0xee));
    palette.setColor(QPalette::PlaceholderText, QColor(0x6b, 0x73, 0x80));
    palette.setColor(QPalette::Button, QColor(0x26, 0x2a, 0x31));
    palette.setColor(QPalette::ButtonText, QColor(0xe6, 0xe9, 0xee));
    palette.setColor(QPalette::Highlight, QColor(0x24, 0x48, 0x6a));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0x1b, 0x1e, 0x23));
    palette.setColor(QPalette::ToolTipText, QColor(0xe6, 0xe9, 0xee));
    palette.setColor(QPalette::Link, QColor(0x7c, 0xc4, 0xff));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x5d, 0x66, 0x73));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x5d, 0x66, 0x73));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x5d, 0x66, 0x73));
    return palette;
}

} // namespace

void applyLook(QApplication& application)
{
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    application.setPalette(darkPalette());
    application.setStyleSheet(QString::fromLatin1(kStyleSheet));
    application.setWindowIcon(QIcon(QStringLiteral(":/korvida.png")));
}

} // namespace korvida::qt
