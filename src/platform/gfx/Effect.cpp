#include "platform/gfx/Effect.h"

#include "core/ErrorLog.h"

#include "platform/gfx/GlTexture.h"
#include "platform/gfx/ShadingPath.h"
#include "platform/gfx/ShaderProgram.h"

#include <epoxy/gl.h>

#include <cstring>
#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> splitWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string w;
    while (in >> w) words.push_back(w);
    return words;
}

// Mesa and most drivers start each message with "<source>:<line>"; the source is always 0
// here, so it becomes the effect file's name.
std::string nameTheFile(const std::string& log, const std::string& fileName) {
    std::istringstream in(log);
    std::string line, out;
    while (std::getline(in, line)) {
        if (line.rfind("0:", 0) == 0) line = fileName + ":" + line.substr(2);
        if (!out.empty()) out += "\n";
        out += line;
    }
    return out;
}

}  // namespace

Effect::~Effect() { releasePrograms(); }

std::unique_ptr<Effect> Effect::loadFromFile(const std::string& path, std::string& errors) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        errors = "cannot open effect file " + path;
        return nullptr;
    }
    std::stringstream text;
    text << in.rdbuf();
    const std::size_t slash = path.find_last_of('/');
    return loadFromText(text.str(), slash == std::string::npos ? path : path.substr(slash + 1), errors);
}

std::unique_ptr<Effect> Effect::loadFromText(const std::string& text, const std::string& fileName,
                                             std::string& errors) {
    auto effect = std::make_unique<Effect>();
    effect->fileName_ = fileName;
    if (!effect->parse(text, fileName, errors)) return nullptr;
    if (!effect->build(errors)) return nullptr;
    return effect;
}

bool Effect::parseText(const std::string& text, const std::string& fileName, std::string& errors) {
    Effect effect;
    return effect.parse(text, fileName, errors);
}

bool Effect::parse(const std::string& text, const std::string& fileName, std::string& errors) {
    enum class Section { None, Common, Vertex, Fragment, Technique };
    Section section = Section::None;
    std::string common;
    int commonLine = 1;
    struct PendingPass { std::string technique, vs, fs; int line; };
    std::vector<PendingPass> pending;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    // Shaders are appended to vectors, so their bodies are collected by index.
    std::vector<std::string> vertexBodies, fragmentBodies;
    std::vector<int> vertexLines, fragmentLines;
    std::string* body = nullptr;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> words = splitWords(line);
        if (!words.empty() && words[0][0] == '@') {
            const std::string& marker = words[0];
            if (marker == "@common") {
                section = Section::Common;
                commonLine = number + 1;
                body = &common;
                continue;
            }
            if (marker == "@vertex" || marker == "@fragment" || marker == "@technique") {
                if (words.size() != 2) {
                    errors = fileName + ":" + std::to_string(number) + ": " + marker +
                             " needs exactly one name";
                    return false;
                }
                if (marker == "@vertex") {
                    section = Section::Vertex;
                    vertexShaders_.push_back(ShaderSource{words[1], ""});
                    vertexBodies.emplace_back();
                    vertexLines.push_back(number + 1);
                    body = nullptr;
                } else if (marker == "@fragment") {
                    section = Section::Fragment;
                    fragmentShaders_.push_back(ShaderSource{words[1], ""});
                    fragmentBodies.emplace_back();
                    fragmentLines.push_back(number + 1);
                    body = nullptr;
                } else {
                    section = Section::Technique;
                    techniques_.push_back(Technique{words[1], {}});
                    body = nullptr;
                }
                continue;
            }
            errors = fileName + ":" + std::to_string(number) + ": unknown marker " + marker;
            return false;
        }
        switch (section) {
        case Section::None: break;
        case Section::Common: *body += line + "\n"; break;
        case Section::Vertex: vertexBodies.back() += line + "\n"; break;
        case Section::Fragment: fragmentBodies.back() += line + "\n"; break;
        case Section::Technique:
            if (words.empty() || words[0].rfind("//", 0) == 0) break;
            if (words[0] != "pass" || words.size() != 3) {
                errors = fileName + ":" + std::to_string(number) +
                         ": a technique line reads: pass <vertex shader> <fragment shader>";
                return false;
            }
            pending.push_back(PendingPass{techniques_.back().name, words[1], words[2], number});
            techniques_.back().passes.emplace_back();
            break;
        }
    }
    auto compose = [&](const std::string& bodyText, int bodyLine) {
        return "#version 330 core\n#line " + std::to_string(commonLine) + "\n" + common + "#line " +
               std::to_string(bodyLine) + "\n" + bodyText;
    };
    for (std::size_t i = 0; i < vertexShaders_.size(); ++i)
        vertexShaders_[i].text = compose(vertexBodies[i], vertexLines[i]);
    for (std::size_t i = 0; i < fragmentShaders_.size(); ++i)
        fragmentShaders_[i].text = compose(fragmentBodies[i], fragmentLines[i]);
    // Resolve the pass lines now that every shader is known.
    std::size_t next = 0;
    for (Technique& t : techniques_) {
        for (Pass& p : t.passes) {
            const PendingPass& pp = pending[next++];
            for (std::size_t i = 0; i < vertexShaders_.size(); ++i)
                if (vertexShaders_[i].name == pp.vs) p.vertexShader = static_cast<int>(i);
            for (std::size_t i = 0; i < fragmentShaders_.size(); ++i)
                if (fragmentShaders_[i].name == pp.fs) p.fragmentShader = static_cast<int>(i);
            if (p.vertexShader < 0 || p.fragmentShader < 0) {
                errors = fileName + ":" + std::to_string(pp.line) + ": technique " + pp.technique +
                         " names an unknown shader";
                return false;
            }
        }
    }
    return true;
}

// The source as compiled on the current shading path: LIGHT_SHADING is defined right
// after the #version line on the light path (the #line directives that follow keep the
// messages' line numbers those of the file).
static std::string forShadingPath(const std::string& text) {
    if (currentShadingPath() != ShadingPath::Light) return text;
    const std::size_t endOfVersion = text.find('\n');
    if (endOfVersion == std::string::npos) return text;
    return text.substr(0, endOfVersion + 1) + "#define LIGHT_SHADING 1\n" + text.substr(endOfVersion + 1);
}

bool Effect::linkPass(Pass& p, std::string& log) {
    GLuint vs = 0, fs = 0;
    bool ok = compileShader(GL_VERTEX_SHADER, forShadingPath(vertexShaders_[p.vertexShader].text), vs, log) &&
              compileShader(GL_FRAGMENT_SHADER, forShadingPath(fragmentShaders_[p.fragmentShader].text), fs, log) &&
              linkProgram(vs, fs, p.program, log);
    if (vs) glDeleteShader(vs);
    if (fs) glDeleteShader(fs);
    if (!ok) return false;
    p.locations.assign(parameters_.size(), -1);
    p.uploaded.assign(parameters_.size(), 0);
    glUseProgram(p.program);
    for (std::size_t i = 0; i < parameters_.size(); ++i) {
        p.locations[i] = glGetUniformLocation(p.program, parameters_[i].name.c_str());
        if (p.locations[i] >= 0 && parameters_[i].type == ParameterType::Texture)
            glUniform1i(p.locations[i], parameters_[i].textureUnit);
    }
    return true;
}

bool Effect::build(std::string& errors) {
    // Every uniform the file declares is a parameter, even one that no pass reads after the
    // compiler has optimised it away; setting it then simply changes nothing.
    int nextUnit = 0;
    auto declare = [&](const std::string& key, ParameterType type) {
        if (parameterIndex_.count(key)) return;
        Parameter param;
        param.name = key;
        param.type = type;
        if (type == ParameterType::Matrix)
            param.values[0] = param.values[5] = param.values[10] = param.values[15] = 1.0f;
        if (type == ParameterType::Texture) param.textureUnit = nextUnit++;
        parameterIndex_[key] = static_cast<int>(parameters_.size());
        parameters_.push_back(param);
    };
    for (const std::vector<ShaderSource>* list : {&vertexShaders_, &fragmentShaders_}) {
        for (const ShaderSource& shader : *list) {
            std::istringstream lines(shader.text);
            std::string declaration;
            while (std::getline(lines, declaration)) {
                std::vector<std::string> w = splitWords(declaration);
                if (w.size() < 3 || w[0] != "uniform") continue;
                std::string key = w[2];
                while (!key.empty() && (key.back() == ';')) key.pop_back();
                ParameterType type = w[1] == "float"       ? ParameterType::Float
                                     : w[1] == "vec4"      ? ParameterType::Vector4
                                     : w[1] == "mat4"      ? ParameterType::Matrix
                                     : w[1] == "sampler2D" ? ParameterType::Texture
                                                           : ParameterType::None;
                if (!key.empty()) declare(key, type);
            }
        }
    }
    // Each pass is linked once now, so that a broken file fails to load and anything else
    // the linker reports active (declared in an unusual way) joins the parameters; then its
    // program is let go until the pass is first drawn.
    std::string log;
    bool ok = true;
    for (Technique& t : techniques_) {
        for (Pass& p : t.passes) {
            if (!ok) break;
            ok = linkPass(p, log);
            if (!ok) break;
            GLint count = 0;
            glGetProgramiv(p.program, GL_ACTIVE_UNIFORMS, &count);
            for (GLint u = 0; u < count; ++u) {
                char name[128];
                GLint size = 0;
                GLenum type = 0;
                glGetActiveUniform(p.program, static_cast<GLuint>(u), sizeof name, nullptr, &size,
                                   &type, name);
                std::string key = name;
                if (key.size() > 3 && key.compare(key.size() - 3, 3, "[0]") == 0)
                    key.resize(key.size() - 3);
                declare(key, type == GL_FLOAT        ? ParameterType::Float
                             : type == GL_FLOAT_VEC4  ? ParameterType::Vector4
                             : type == GL_FLOAT_MAT4  ? ParameterType::Matrix
                             : type == GL_SAMPLER_2D  ? ParameterType::Texture
                                                      : ParameterType::None);
            }
            glDeleteProgram(p.program);
            p.program = 0;
        }
    }
    glUseProgram(0);
    if (!ok) {
        errors = nameTheFile(log, fileName_);
        releasePrograms();
        return false;
    }
    return true;
}

void Effect::releasePrograms() {
    for (Technique& t : techniques_)
        for (Pass& p : t.passes) {
            if (p.program) glDeleteProgram(p.program);
            p.program = 0;
            p.linkFailed = false;
        }
}

void Effect::releaseTechnique(int technique) {
    if (technique < 0 || technique >= static_cast<int>(techniques_.size())) return;
    for (Pass& p : techniques_[technique].passes) {
        if (p.program) glDeleteProgram(p.program);
        p.program = 0;
    }
}

int Effect::techniqueByName(const std::string& name) const {
    for (std::size_t i = 0; i < techniques_.size(); ++i)
        if (techniques_[i].name == name) return static_cast<int>(i);
    return -1;
}

int Effect::parameterByName(const std::string& name) const {
    auto it = parameterIndex_.find(name);
    return it == parameterIndex_.end() ? -1 : it->second;
}

void Effect::setMatrix(int parameter, const Matrix4& value) {
    if (parameter < 0 || parameter >= static_cast<int>(parameters_.size())) return;
    std::memcpy(parameters_[parameter].values, &value.m[0][0], sizeof(float) * 16);
    ++parameters_[parameter].version;
}

void Effect::setFloat(int parameter, float value) {
    if (parameter < 0 || parameter >= static_cast<int>(parameters_.size())) return;
    parameters_[parameter].values[0] = value;
    ++parameters_[parameter].version;
}

void Effect::setVector(int parameter, const float value[4]) {
    if (parameter < 0 || parameter >= static_cast<int>(parameters_.size())) return;
    std::memcpy(parameters_[parameter].values, value, sizeof(float) * 4);
    ++parameters_[parameter].version;
}

void Effect::setTexture(int parameter, DeviceTexture* texture) {
    if (parameter < 0 || parameter >= static_cast<int>(parameters_.size())) return;
    parameters_[parameter].texture = texture;
}

int Effect::begin() {
    if (current_ < 0 || current_ >= static_cast<int>(techniques_.size())) return 0;
    return static_cast<int>(techniques_[current_].passes.size());
}

void Effect::beginPass(int pass) {
    if (current_ < 0 || current_ >= static_cast<int>(techniques_.size())) return;
    auto& passes = techniques_[current_].passes;
    if (pass < 0 || pass >= static_cast<int>(passes.size())) return;
    Pass& p = passes[pass];
    if (!p.program && !p.linkFailed) {
        // The same sources linked when the file was loaded, so this fails only when the
        // driver runs out of memory: the pass then draws nothing, as a failed load would.
        std::string log;
        p.linkFailed = !linkPass(p, log);
        if (p.linkFailed) logError("Linking effect " + fileName_ + " failed: " + nameTheFile(log, fileName_));
    }
    if (!p.program) return;
    glUseProgram(p.program);
    glDisable(GL_BLEND);
    // The models are closed and wound clockwise seen from outside (the game's left-handed
    // convention), so faces turned away are hidden anyway: culling them saves their pixels.
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CW);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    for (std::size_t i = 0; i < parameters_.size(); ++i) {
        const int location = p.locations[i];
        if (location < 0) continue;
        Parameter& param = parameters_[i];
        if (param.type == ParameterType::Texture) {
            auto* texture = static_cast<GlTexture*>(param.texture);
            if (texture) texture->makeMipmapsIfPending();
            glActiveTexture(GL_TEXTURE0 + param.textureUnit);
            glBindTexture(GL_TEXTURE_2D, texture ? texture->name() : 0);
            continue;
        }
        // Values that did not change since this program last saw them stay on the program.
        if (p.uploaded[i] == param.version) continue;
        p.uploaded[i] = param.version;
        switch (param.type) {
        case ParameterType::Float: glUniform1f(location, param.values[0]); break;
        case ParameterType::Vector4: glUniform4fv(location, 1, param.values); break;
        // Row-vector matrices go in as stored: GLSL then reads them transposed, so the
        // shaders write M * v for the game's v * M.
        case ParameterType::Matrix: glUniformMatrix4fv(location, 1, GL_FALSE, param.values); break;
        default: break;
        }
    }
    glActiveTexture(GL_TEXTURE0);
}

void Effect::onLostDevice() { releasePrograms(); }

bool Effect::onResetDevice(std::string& errors) {
    releasePrograms();
    parameterIndex_.clear();
    std::vector<Parameter> kept = std::move(parameters_);
    parameters_.clear();
    if (!build(errors)) return false;
    // Handles stay valid: a rebuild of the same sources yields the same parameter order.
    for (Parameter& p : parameters_) {
        for (const Parameter& old : kept)
            if (old.name == p.name) {
                std::memcpy(p.values, old.values, sizeof p.values);
                p.texture = old.texture;
                p.version = old.version + 1;
            }
    }
    return true;
}
