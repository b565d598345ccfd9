#pragma once
// The whole window layer: windows, messages, painting, input, timers, layered windows, metrics.

#include "platform/window/Input.h"
#include "platform/window/Keys.h"
#include "platform/window/Layered.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Messages.h"
#include "platform/window/Metrics.h"
#include "platform/window/NativeHost.h"
#include "platform/window/Paint.h"
#include "platform/window/Props.h"
#include "platform/window/ScrollInfo.h"
#include "platform/window/Styles.h"
#include "platform/window/Timers.h"
#include "platform/window/Window.h"
#include "platform/window/WindowClass.h"
#include "platform/window/WindowPos.h"
