// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QCheckBox;
class QLineEdit;
class QTableWidget;

// While "ID3-Tags" is checked, each file on "wav -> mp3" shows the tag it
// will get as its tooltip, also its description for a screen reader, and
// says so when its name does not fit the pattern; the tags follow the
// pattern as it is typed.
class TagPreview : public QObject
{
public:
    TagPreview(QTableWidget *table, QCheckBox *tagsOn, QLineEdit *pattern);

private:
    void update();

    QTableWidget *table;
    QCheckBox *tagsOn;
    QLineEdit *pattern;
};
