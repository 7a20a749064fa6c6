.pragma library

// A control looks highlighted while it holds the focus flag or is hovered.
// The flag, not active focus: the control clicked last keeps its look after
// the pointer leaves, until another item takes focus.
function highlighted(control) {
    return control.focus || control.hovered;
}

// Return and Enter press a focused button as Space does: desktop users expect
// both. A checkable button toggles first, as with Space, except that a checked
// button of an exclusive group stays checked.
function pressByKey(control) {
    if (control.checkable && !(control.autoExclusive && control.checked)) {
        control.toggle();
        control.toggled();
    }
    control.clicked();
}

// Focus that came from the keyboard, which alone shows the focus ring: a
// control's own visualFocus, or for a text input (which has none) an active
// focus given by Tab, Backtab or a shortcut.
function keyboardFocus(control) {
    if (control.visualFocus !== undefined)
        return control.visualFocus;
    return control.activeFocus && (control.focusReason === Qt.TabFocusReason || control.focusReason === Qt.BacktabFocusReason
                                   || control.focusReason === Qt.ShortcutFocusReason);
}
