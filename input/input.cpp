#include "input.h"

Input::Input(QObject *parent) : QObject(parent) { }
