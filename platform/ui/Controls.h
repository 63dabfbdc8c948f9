// Everything a form's code uses: forms, the intrinsic controls, user
// controls, timers, message boxes, drag and drop, the program's loop.
#pragma once
#include "Application.h"
#include "Buttons.h"
#include "Containers.h"
#include "Drag.h"
#include "FileLists.h"
#include "Form.h"
#include "Graphics.h"
#include "ImageList.h"
#include "Input.h"
#include "Label.h"
#include "Lists.h"
#include "MsgBox.h"
#include "ScrollBar.h"
#include "TextBox.h"
#include "Timer.h"
#include "UserControl.h"
