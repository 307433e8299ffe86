#include "Processes.h"

#include "../JsonWriter.h"
#include "../UniqueHandle.h"

#include <windows.h>

#include <tlhelp32.h>

#include <vector>

std::string ListProcesses() {
  const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  std::vector<std::string> processes;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  if (snapshot.valid() && Process32FirstW(snapshot.get(), &entry)) {
    do {
      processes.push_back(JsonObject()
                              .Number("pid", entry.th32ProcessID)
                              .Number("parent", entry.th32ParentProcessID)
                              .Text("exe", entry.szExeFile)
                              .Build());
    } while (Process32NextW(snapshot.get(), &entry));
  }
  return JsonArray(processes);
}

std::string TerminateById(DWORD pid) {
  const UniqueHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, pid));
  const bool ended =
      process.valid() && TerminateProcess(process.get(), 1) != FALSE;
  return JsonObject().Number("pid", pid).Flag("terminated", ended).Build();
}
