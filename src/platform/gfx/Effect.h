#pragma once
// A loaded effect file: GLSL 330 core shaders grouped into named techniques of passes, and
// parameters set by name that every pass sees as uniforms of the same name.
//
// File format (our own, line based; lines are numbered from 1 in messages):
//   @common                 GLSL shared by every shader below (uniforms, helpers)
//   @vertex <name>          a vertex shader body; the file's #version line is added
//   @fragment <name>        a fragment shader body
//   @technique <name>       then one line per pass:  pass <vertexName> <fragmentName>
// Lines before the first marker and lines starting with "//" outside shaders are ignored.
// Shaders carry #line directives, so compiler messages name the file's own lines.
#include "core/math/Matrix4.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class DeviceTexture;

class Effect {
public:
    struct ShaderSource {
        std::string name;
        std::string text;  // complete source with #version and #line directives
    };
    struct Pass {
        int vertexShader = -1;    // index into vertexShaders
        int fragmentShader = -1;  // index into fragmentShaders
        // Linked at the pass's first use: a software renderer keeps about a megabyte for
        // each linked program, and a match uses six of the scene effect's ten techniques.
        unsigned int program = 0;
        bool linkFailed = false;
        std::vector<int> locations;  // uniform location per parameter, -1 when unused
        std::vector<unsigned> uploaded;  // parameter version last given to the program
    };
    struct Technique {
        std::string name;
        std::vector<Pass> passes;
    };
    enum class ParameterType { None, Float, Vector4, Matrix, Texture };
    struct Parameter {
        std::string name;
        ParameterType type = ParameterType::None;
        float values[16] = {};
        DeviceTexture* texture = nullptr;
        int textureUnit = -1;
        unsigned version = 1;
    };

    Effect() = default;
    ~Effect();
    Effect(const Effect&) = delete;
    Effect& operator=(const Effect&) = delete;

    // Parses and compiles; null with the compiler's (or the parser's) message in errors.
    static std::unique_ptr<Effect> loadFromFile(const std::string& path, std::string& errors);
    static std::unique_ptr<Effect> loadFromText(const std::string& text,
                                                const std::string& fileName,
                                                std::string& errors);
    // Reads the text's markers, techniques and passes without compiling anything (no GL
    // context needed); false with the parser's message in errors.
    static bool parseText(const std::string& text, const std::string& fileName, std::string& errors);

    // Handles: -1 when absent.
    int techniqueByName(const std::string& name) const;
    int parameterByName(const std::string& name) const;

    void setMatrix(int parameter, const Matrix4& value);
    void setFloat(int parameter, float value);
    void setVector(int parameter, const float value[4]);
    void setTexture(int parameter, DeviceTexture* texture);

    // Selects a technique; begin returns its pass count (0 without a technique).
    void setTechnique(int technique) { current_ = technique; }
    int currentTechnique() const { return current_; }
    int begin();
    void beginPass(int pass);
    void endPass() {}
    void end() {}

    // Lets the programs of a technique's passes go; they are linked again at its next draw.
    void releaseTechnique(int technique);

    // Device loss: programs are released and rebuilt from the kept sources.
    void onLostDevice();
    bool onResetDevice(std::string& errors);

    const std::vector<Technique>& techniques() const { return techniques_; }

private:
    bool parse(const std::string& text, const std::string& fileName, std::string& errors);
    bool build(std::string& errors);
    void releasePrograms();
    // Compiles and links one pass, finds its parameters' locations and deletes the shaders;
    // false with the compiler's or linker's message appended to log.
    bool linkPass(Pass& pass, std::string& log);
    void uploadParameters(unsigned int program);

    std::string fileName_;
    std::vector<ShaderSource> vertexShaders_;
    std::vector<ShaderSource> fragmentShaders_;
    std::vector<Technique> techniques_;
    std::vector<Parameter> parameters_;
    std::map<std::string, int> parameterIndex_;
    int current_ = -1;
};
