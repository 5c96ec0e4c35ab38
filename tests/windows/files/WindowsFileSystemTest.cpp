#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/RuntimeFailure.h"
#include "formats/io/windows/WideNames.h"
#include "platform/windows/Win32.h"
#include "platform/windows/files/WindowsFileSystem.h"
#include "samples/SampleFiles.h"

namespace vs {
namespace {

using samples::ReadFile;
using samples::TempDir;
using samples::WriteText;

std::string FailureOf(const std::function<void()>& step) {
  try {
    step();
  } catch (const RuntimeFailure& failure) {
    return failure.what();
  }
  return "no failure";
}

TEST(WindowsFileSystem, AppendsBytesAsGivenAlsoWhileAReaderHoldsTheFile) {
  const TempDir dir;
  const std::string log = dir / "VostramelSaver.log";
  WindowsFileSystem files;
  files.AppendText(log, "Open file\r\n");
  // A viewer that has the log open must not cost the next line.
  const HANDLE reader = CreateFileW(WideName(log).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  files.AppendText(log, "s mode\r\n\n\xe9\r\n");
  files.AppendText(log, "");
  CloseHandle(reader);
  EXPECT_EQ(ReadFile(log), "Open file\r\ns mode\r\n\n\xe9\r\n");
}

TEST(WindowsFileSystem, FailuresNameTheStepAndThePath) {
  const TempDir dir;
  WindowsFileSystem files;
  const std::string missing = dir / "no folder/VostramelSaver.log";
  EXPECT_EQ(FailureOf([&] { files.AppendText(missing, "x\r\n"); }),
            "Cannot open " + missing + ": No such file or directory");
  EXPECT_EQ(FailureOf([&] { files.DeleteFile(dir / "absent.log"); }),
            "Cannot delete " + dir / "absent.log" + ": No such file or directory");
  dir.AddDirectory("folder.log");
  EXPECT_EQ(FailureOf([&] { files.AppendText(dir / "folder.log", "x\r\n"); }),
            "Cannot open " + dir / "folder.log" + ": Permission denied");
}

TEST(WindowsFileSystem, OnlyOrdinaryFilesAreListed) {
  const TempDir dir;
  WindowsFileSystem files;
  WriteText(dir / "plain.log", "");
  WriteText(dir / "read-only.log", "");
  WriteText(dir / "hidden.log", "");
  WriteText(dir / "system.log", "");
  dir.AddDirectory("folder.log");
  SetFileAttributesW(WideName(dir / "read-only.log").c_str(), FILE_ATTRIBUTE_READONLY);
  SetFileAttributesW(WideName(dir / "hidden.log").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesW(WideName(dir / "system.log").c_str(), FILE_ATTRIBUTE_SYSTEM);

  EXPECT_TRUE(files.IsOrdinaryFile(dir / "plain.log"));
  EXPECT_TRUE(files.IsOrdinaryFile(dir / "PLAIN.LOG"));  // names ignore case on Windows
  EXPECT_TRUE(files.IsOrdinaryFile(dir / "read-only.log"));
  EXPECT_FALSE(files.IsOrdinaryFile(dir / "hidden.log"));
  EXPECT_FALSE(files.IsOrdinaryFile(dir / "system.log"));
  EXPECT_FALSE(files.IsOrdinaryFile(dir / "folder.log"));
  EXPECT_FALSE(files.IsOrdinaryFile(dir / "absent.log"));
  EXPECT_FALSE(files.IsOrdinaryFile(dir / "no folder/plain.log"));
  // A pattern finds other files, but names none.
  EXPECT_FALSE(files.IsOrdinaryFile(dir / "*.log"));
  EXPECT_FALSE(files.IsOrdinaryFile(dir / "plain.lo?"));
  SetFileAttributesW(WideName(dir / "read-only.log").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(WindowsFileSystem, NamesInAnyScript) {
  const TempDir dir;
  const std::string log = dir / "\u65e5\u672c \u0436\u0443\u043a.log";
  WindowsFileSystem files;
  files.AppendText(log, "Open file\r\n");
  EXPECT_TRUE(files.IsOrdinaryFile(log));
  EXPECT_EQ(ReadFile(log), "Open file\r\n");
  files.DeleteFile(log);
  EXPECT_FALSE(files.IsOrdinaryFile(log));
}

}  // namespace
}  // namespace vs
