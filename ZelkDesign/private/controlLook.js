.pragma library

// A control looks highlighted while it holds the focus flag or is hovered.
// The flag, not active focus: the control clicked last keeps its look after
// the pointer leaves, until another item takes focus.
function highlighted(control) {
    return control.focus || control.hovered;
}
