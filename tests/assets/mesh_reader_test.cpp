// The .krmt grammar: sub-meshes, layouts, every error message with its 0-based line.
#include "core/ErrorLog.h"
#include "assets/MeshReader.h"
#include "support/FileText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

class MeshReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        logPath_ = ::testing::TempDir() + "mesh_reader_errors.txt";
        std::remove(logPath_.c_str());
        setErrorLogPath(logPath_);
    }
    std::string log() const { return fileText(logPath_); }
    bool parse(const std::string& text, MeshData& data) {
        std::istringstream in(text);
        return parseMesh(in, data);
    }
    void expectError(const std::string& text, const std::string& line) {
        std::remove(logPath_.c_str());
        MeshData data;
        EXPECT_FALSE(parse(text, data)) << text;
        EXPECT_EQ(log(), "error: " + line + "\n") << text;
    }
    std::string logPath_;
};

const char* kQuad =
    "@mesh quad POSITION NORMAL UV0\n"
    "@vertices\n"
    "-1 0 -1 0 1 0 0 0\n"
    "1 0 -1 0 1 0 1 0\n"
    "1 0 1 0 1 0 1 1\n"
    "-1 0 1 0 1 0 0 1\n"
    "@indices\n"
    "0 1 2\n";

}  // namespace

TEST_F(MeshReaderTest, ReadsSubMeshesLayoutsAndData) {
    MeshData data;
    ASSERT_TRUE(parse(kQuad, data));
    ASSERT_EQ(data.subMeshes.size(), 1u);
    const SubMeshData& quad = data.subMeshes.at("quad");
    EXPECT_EQ(quad.floatsPerVertex, 8);
    EXPECT_EQ(quad.floats.size(), 32u);
    EXPECT_EQ(quad.indices, (std::vector<std::int32_t>{0, 1, 2}));
    ASSERT_EQ(quad.declaration.elements.size(), 3u);
    EXPECT_EQ(quad.declaration.elements[1].offset, 12);
    EXPECT_EQ(quad.declaration.elements[2].offset, 24);
    EXPECT_EQ(quad.declaration.elements[2].usage, VertexUsage::TexCoord);
    EXPECT_EQ(log(), "");

    // UV7 is set 7 at the running offset; elements may repeat.
    MeshData other;
    ASSERT_TRUE(parse("@mesh a UV7 POSITION POSITION\n", other));
    const SubMeshData& a = other.subMeshes.at("a");
    EXPECT_EQ(a.floatsPerVertex, 8);
    EXPECT_EQ(a.declaration.elements[0].usageIndex, 7);
    EXPECT_EQ(a.declaration.elements[2].offset, 20);
}

TEST_F(MeshReaderTest, SectionsRepeatNamesReplaceAndUnknownMarkersEndASubMesh) {
    MeshData data;
    ASSERT_TRUE(parse("@mesh s POSITION\n@vertices\n0 0 0\n@indices\n0 0 0\n@vertices\n1 1 1\n"
                      "@mesh s POSITION\n@vertices\n2 2 2\n"
                      "@comment\n@vertices\nnot numbers at all\n"
                      "@mesh cylinder POSITION\n@mesh cyltop POSITION\n",
                      data));
    EXPECT_EQ(data.subMeshes.at("s").floats, (std::vector<float>{2, 2, 2}));
    // Name order: cylinder before cyltop.
    std::vector<std::string> names;
    for (const auto& e : data.subMeshes) names.push_back(e.first);
    EXPECT_EQ(names, (std::vector<std::string>{"cylinder", "cyltop", "s"}));
    // Numbers are read in the classic syntax and may carry trailing characters.
    MeshData trailing;
    ASSERT_TRUE(parse("@mesh t POSITION\n@vertices\n1.5e1 -2.25x 3\n", trailing));
    EXPECT_EQ(trailing.subMeshes.at("t").floats, (std::vector<float>{15.0f, -2.25f, 3.0f}));
}

TEST_F(MeshReaderTest, EveryErrorNamesItsZeroBasedLineCountingBlankLines) {
    expectError("@mesh onlyname\n", "mesh declaration line should contain at least 3 tokens at line 0");
    expectError("\n  \t\n@mesh m POSITION COLOR\n", "unknown vertex element at line 2");
    for (const char* bad : {"UV8", "UV", "UVX", "COLOR"})
        expectError(std::string("@mesh m ") + bad + "\n", "unknown vertex element at line 0");
    expectError("@mesh ball POSITION NORMAL\n@vertices\n\n0 0 0 0 1 0 0 0\n",
                "bad number of tokens at line 3");
    expectError("@mesh m POSITION\n@vertices\n0 0 0\n@indices\n0 0\n", "bad number of tokens at line 4");
    expectError("@mesh m POSITION\n@vertices\n0 x 0\n", "token cannot be interpreted as a float at line 2");
    expectError("@mesh m POSITION\n@vertices\n0 0 0\n@indices\n0 y 0\n",
                "token cannot be interpreted as an int at line 4");
}

TEST_F(MeshReaderTest, IndicesOutsideTheVerticesAreRefused) {
    expectError("@mesh m POSITION\n@vertices\n0 0 0\n1 0 0\n2 0 0\n@indices\n0 1 2\n0 1 3\n",
                "index 3 is outside the 3 vertices of sub-mesh m at line 7");
    expectError("@mesh m POSITION\n@vertices\n0 0 0\n@indices\n0 -1 0\n@mesh n POSITION\n",
                "index -1 is outside the 1 vertices of sub-mesh m at line 4");
}

TEST_F(MeshReaderTest, MissingAndBrokenFilesAreNamedInTheirLine) {
    // A missing file still gives an empty mesh, so the game goes on, but says which file.
    const std::string absent = ::testing::TempDir() + "no_such_model.krmt";
    auto missing = loadMesh(nullptr, absent);
    ASSERT_NE(missing, nullptr);
    EXPECT_TRUE(missing->subMeshes.empty());
    EXPECT_EQ(log(), "error: Loading model file: " + absent + " failed\n");
    // A broken file gives nothing at all, and its one line names it.
    std::remove(logPath_.c_str());
    const std::string broken = ::testing::TempDir() + "broken_model.krmt";
    { std::ofstream(broken) << "\n@mesh x\n"; }
    EXPECT_EQ(loadMesh(nullptr, broken), nullptr);
    EXPECT_EQ(log(), "error: mesh declaration line should contain at least 3 tokens at line 1 in " + broken + "\n");
}

// Files that hold nothing drawable: each fails with one line naming it, as a broken one does.
TEST_F(MeshReaderTest, EmptyAndCutModelFilesFailNamingTheFile) {
    auto expectFailure = [&](const std::string& path, const std::string& text, const std::string& line) {
        std::remove(logPath_.c_str());
        { std::ofstream(path, std::ios::binary) << text; }
        EXPECT_EQ(loadMesh(nullptr, path), nullptr) << line;
        EXPECT_EQ(log(), "error: " + line + "\n");
    };
    const std::string path = ::testing::TempDir() + "cut_model_" + std::to_string(getpid()) + ".krmt";
    expectFailure(path, "", "Loading model file: " + path + " failed: it holds no sub-mesh");
    expectFailure(path, "@mesh a POSITION\n@vertices\n0 0 0\n@indices\n0 0 0\n@mesh b POSITION\n@vertices\n0 0 0\n",
                  "Loading model file: " + path + " failed: sub-mesh b has no triangles");

    // The game's figure cut at a line end, in its vertices and in its indices.
    const char* resources = std::getenv("PITCHBAR_RESOURCES");
    ASSERT_NE(resources, nullptr);
    const std::string puppet = fileText(std::string(resources) + "/models/puppet.krmt");
    ASSERT_NE(loadMesh(nullptr, std::string(resources) + "/models/puppet.krmt"), nullptr);
    const std::size_t indices = puppet.find("@indices");
    ASSERT_NE(indices, std::string::npos);
    const std::string inVertices = puppet.substr(0, puppet.rfind('\n', indices / 2) + 1);
    const std::string inIndices = puppet.substr(0, puppet.rfind('\n', (indices + puppet.size()) / 2) + 1);
    auto lineCount = [](const std::string& text) { return std::count(text.begin(), text.end(), '\n'); };
    const long vertices = lineCount(puppet.substr(0, indices)) - 2;  // less the @mesh and @vertices lines
    const long triangles = lineCount(puppet) - lineCount(puppet.substr(0, indices)) - 1;
    expectFailure(path, inVertices,
                  "section declares " + std::to_string(vertices) + " vertices but holds " +
                      std::to_string(lineCount(inVertices) - 2) + " at line 1 in " + path);
    expectFailure(path, inIndices,
                  "section declares " + std::to_string(triangles) + " triangles but holds " +
                      std::to_string(lineCount(inIndices) - lineCount(puppet.substr(0, indices)) - 1) +
                      " at line " + std::to_string(lineCount(puppet.substr(0, indices))) + " in " + path);
    // Cut off before its indices, a file without counts has a sub-mesh with no triangles.
    std::string uncounted = inVertices;
    uncounted.replace(uncounted.find("@vertices"), uncounted.find('\n', uncounted.find("@vertices")) - uncounted.find("@vertices"), "@vertices");
    expectFailure(path, uncounted, "Loading model file: " + path + " failed: sub-mesh default has no triangles");
    std::remove(path.c_str());
}

TEST_F(MeshReaderTest, ReloadKeepsSubMeshIdentity) {
    const std::string path = ::testing::TempDir() + "reload_model.krmt";
    { std::ofstream(path) << kQuad; }
    auto mesh = loadMesh(nullptr, path);
    ASSERT_NE(mesh, nullptr);
    SubMesh* quad = mesh->find("quad");
    ASSERT_NE(quad, nullptr);
    EXPECT_EQ(quad->vertexCount, 4);
    EXPECT_EQ(quad->triangleCount, 1);
    EXPECT_EQ(quad->stride, 32);
    EXPECT_EQ(mesh->find("Quad"), nullptr);
    ASSERT_TRUE(reloadMesh(nullptr, path, *mesh));
    EXPECT_EQ(mesh->find("quad"), quad);
}
