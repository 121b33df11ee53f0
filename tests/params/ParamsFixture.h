#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "ConnectionPages.h"
#include "MockLink.h"
#include "Screenwh.h"
#include "ScriptedPrompt.h"
#include "TestHome.h"
#include "TuningPages.h"
#include "Workspace.h"

inline QString transportText(Transport t) {
  return t == Transport::Serial ? QStringLiteral("0") : QStringLiteral("1");
}
