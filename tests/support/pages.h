#pragma once

#include "tonquirl.h"

// One page's widgets, by tab index, as the tests reach them.
struct Page {
    QPushButton *openButton;
    QTableWidget *table;
    QLineEdit *openEdit;
    QLineEdit *saveEdit;  // null on Normalize
    QPushButton *saveButton;
    QPushButton *startButton;
    QProgressBar *bar;
    QStringList filters;
    QString startLabel;
};

inline Page pageOf(tonquirl &d, int index)
{
    switch (index) {
    case 0:
        return {d.flvOpenButton, d.flvTableWidget, d.flvOpenLineEdit, d.flvSaveLineEdit, d.flvSaveButton,
                d.flvConvertButton, d.flvProgressBar, {"flash-video (*.flv)", "All Files(*.*)"}, "Get Wave"};
    case 1:
        return {d.normOpenButton, d.normTableWidget, d.normOpenLineEdit, nullptr, nullptr,
                d.normConvertButton, d.normProgressBar, {"Wave-Audio (*.wav)", "All Files(*.*)"},
                "Normalize Audio"};
    case 2:
        return {d.wavOpenButton, d.wavTableWidget, d.wavOpenLineEdit, d.wavSaveLineEdit, d.wavSaveButton,
                d.wavConvertButton, d.wavProgressBar, {"Wave-Audio (*.wav)", "All Files(*.*)"}, "Convert"};
    default:
        return {d.mpOpenButton, d.mpTableWidget, d.mpOpenLineEdit, d.mpSaveLineEdit, d.mpSaveButton,
                d.mpConvertButton, d.mpProgressBar, {"mp3-Files (*.mp3)", "All Files(*.*)"}, "Back to Wave"};
    }
}

// The texts of one column, "<none>" where a cell has no item.
inline QStringList column(QTableWidget *table, int col)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << (table->item(row, col) ? table->item(row, col)->text() : QStringLiteral("<none>"));
    return texts;
}
