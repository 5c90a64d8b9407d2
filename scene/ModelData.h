#pragma once
// ModelData: one model file compiled into two GL display lists, kept for the whole run and
// shared by every Model made from that file. The full list draws the groups with normals and,
// where a group names one, its texture; the plain list draws bare triangles (for picking and
// masks). Files are read from "models/" in the working directory, once per file name; a file
// that fails to load leaves no entry and is read again on the next request.
// Needs a current GL context. Depends on ModelFile, BmpReader (textures).
#include <string>

class ModelData {
public:
    // The cached data of the file, reading and compiling it on first request. Throws
    // GameError (see ModelFile::read).
    static ModelData* load(const std::string& fileName);

    unsigned fullList() const { return lists_; }
    unsigned plainList() const { return lists_ + 1; }
    // The distance of the farthest vertex from the model's origin.
    double radius() const { return radius_; }

    ModelData(const ModelData&) = delete;
    ModelData& operator=(const ModelData&) = delete;

private:
    ModelData(unsigned lists, double radius) : lists_(lists), radius_(radius) {}

    unsigned lists_;
    double radius_;
};
