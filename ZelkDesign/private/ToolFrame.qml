import QtQuick 2.9

// The deeper, darker sunken frame that the tool containers sit in.
SunkenFrame {
    radius: 12
    glowRadius: 3
    fillColor: "#171717"
    shadowHorizontalOffset: 5
    shadowVerticalOffset: 5
    shadowRadius: 16
    shadowColor: "#000000"
}
