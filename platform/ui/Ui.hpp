#pragma once

// Everything a screen needs, in one include.
#include "platform/ui/AnyScreen.hpp"
#include "platform/ui/Binding.hpp"
#include "platform/ui/Content.hpp"
#include "platform/ui/Controls.hpp"
#include "platform/ui/Environment.hpp"
#include "platform/ui/Layout.hpp"
#include "platform/ui/NavigationStack.hpp"
#include "platform/ui/RowState.hpp"
#include "platform/ui/ScreenScope.hpp"
#include "platform/ui/ScreenSlot.hpp"
#include "platform/ui/TabView.hpp"
#include "platform/ui/View.hpp"
