#pragma once
// A small independent reader for the generated .krmt files, so the model tests check the
// files as text rather than trusting the writer that made them.
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

struct TestSubMesh {
    int floatsPerVertex = 0;
    std::vector<float> floats;
    std::vector<int> indices;

    int vertexCount() const { return floatsPerVertex ? int(floats.size()) / floatsPerVertex : 0; }
    const float* vertex(int i) const { return &floats[size_t(i) * floatsPerVertex]; }
};

struct TestModel {
    bool ok = false;
    std::string error;
    std::map<std::string, TestSubMesh> subMeshes;
};

inline TestModel readTestModel(const std::string& path) {
    TestModel model;
    std::ifstream file(path);
    if (!file) {
        model.error = "cannot open " + path;
        return model;
    }
    std::string line, section;
    TestSubMesh* current = nullptr;
    int lineNumber = 0;
    for (; std::getline(file, line); ++lineNumber) {
        std::istringstream tokens(line);
        std::vector<std::string> words;
        for (std::string w; tokens >> w;) words.push_back(w);
        if (words.empty()) continue;
        auto fail = [&](const std::string& what) {
            model.error = what + " at line " + std::to_string(lineNumber);
            return model;
        };
        if (words[0] == "@mesh") {
            if (words.size() < 3) return fail("short @mesh");
            current = &model.subMeshes[words[1]];
            *current = TestSubMesh{};
            for (size_t i = 2; i < words.size(); ++i) {
                if (words[i] == "POSITION" || words[i] == "NORMAL") current->floatsPerVertex += 3;
                else if (words[i].size() == 3 && words[i].compare(0, 2, "UV") == 0) current->floatsPerVertex += 2;
                else return fail("unknown element " + words[i]);
            }
            section = "header";
        } else if (words[0] == "@vertices" || words[0] == "@indices") {
            section = words[0];
        } else if (words[0][0] == '@') {
            return fail("unexpected marker " + words[0]);
        } else if (!current) {
            return fail("data outside a sub-mesh");
        } else if (section == "@vertices") {
            if (int(words.size()) != current->floatsPerVertex) return fail("bad vertex line");
            for (const std::string& w : words) current->floats.push_back(std::stof(w));
        } else if (section == "@indices") {
            if (words.size() != 3) return fail("bad index line");
            for (const std::string& w : words) current->indices.push_back(std::stoi(w));
        } else {
            return fail("data in the header");
        }
    }
    model.ok = true;
    return model;
}
