import QtQuick 2.7

QtObject {
    property int count: NoSuchType {}
}
