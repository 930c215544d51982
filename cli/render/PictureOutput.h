#pragma once
// What the commands that draw share: an application object to draw with, the check that a
// picture does not take the place of its skin, and the PNG saved whole or not at all.
#include <QApplication>
#include <QImage>
#include <memory>
#include <string>

namespace tessary::cli {

// The program's application object: the running one (nullptr), or an offscreen one made for
// this command (scripts and build servers have no display).
std::unique_ptr<QApplication> EnsureApplication();

// Refuses (UsageError) an `out` that is the file `file` itself.
void CheckOutputIsNotInput(const std::string& file, const std::string& out);

// Writes the opaque picture as PNG the way a skin file is saved (FileIo.h): whole or not at
// all, through links, never over a file the user may not write, with the system's reason on
// failure (FileError about `path`).
void SavePng(const QImage& picture, const std::string& path);

}  // namespace tessary::cli
