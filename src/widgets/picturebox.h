#pragma once

#include <QLabel>

// A picture in a sunken single border; it takes the focus like a button.
class PictureBox : public QLabel {
public:
    explicit PictureBox(QWidget* parent = nullptr);
    // Sizes the box to its picture and border.
    void setPicture(const QImage& picture);
};
