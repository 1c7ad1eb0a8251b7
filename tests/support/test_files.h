// A scratch folder for one test: files written and read by name, the whole
// folder removed afterwards.
#pragma once

#include <filesystem>
#include <string>

class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The full path of a file in the folder, as the program takes it.
    std::wstring Path(const std::wstring& name) const;
    // Writes the bytes as they are (binary).
    void Write(const std::wstring& name, const std::string& bytes) const;
    // Writes text: each "\n" stored as the platform's line end.
    void WriteText(const std::wstring& name, const std::string& text) const;
    // Reads the bytes as they are; empty when the file is missing.
    std::string Read(const std::wstring& name) const;
    // Reads text, line ends turned back into "\n".
    std::string ReadText(const std::wstring& name) const;
    bool Exists(const std::wstring& name) const;
    // Makes the test's working folder this one until the folder goes.
    void Enter();

  private:
    std::filesystem::path folder_;
    std::filesystem::path previous_;
};
