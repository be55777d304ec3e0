#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "core/ref_counted.h"

namespace cv {

class Dispatcher;
class Value;

// A node or a value of the configuration tree.
class DispatcherItem : public RefCounted {
public:
    ~DispatcherItem() override = default;
    virtual Dispatcher* AsDispatcher() { return nullptr; }
    virtual Value* AsValue() { return nullptr; }
};

// A node whose children are kept in byte order of their names.
class Dispatcher : public DispatcherItem {
public:
    using Children = std::map<std::string, Ref<DispatcherItem>>;

    Dispatcher* AsDispatcher() override { return this; }
    virtual void SetChild(const std::string& name, Ref<DispatcherItem> item);
    virtual void Clear();

    DispatcherItem* Child(const std::string& name) const;
    const Children& children() const { return children_; }

private:
    Children children_;
};

enum ValueType : int { kIntType = 0, kFloatType = 1, kStringType = 2, kObjectType = 3 };

// "int", "float", "String", "Object" for the codes 0 to 3, "?" otherwise.
const char* TypeName(int type);

// A typed leaf. Each kind answers only its own getter and setter with true;
// the others return false and leave their output untouched.
class Value : public DispatcherItem {
public:
    Value* AsValue() override { return this; }
    virtual int Type() const = 0;
    virtual DispatcherItem* GetObject() const { return nullptr; }
    virtual bool GetString(std::string&) const { return false; }
    virtual bool GetFloat(float&) const { return false; }
    virtual bool GetInt(int32_t&) const { return false; }
    virtual bool SetObject(DispatcherItem*) { return false; }
    virtual bool SetString(const std::string&) { return false; }
    virtual bool SetFloat(float) { return false; }
    virtual bool SetInt(int32_t) { return false; }
    virtual void ToText(std::string& out) const = 0;
    virtual void FromText(const std::string& text) = 0;
};

class IntValue : public Value {
public:
    explicit IntValue(int32_t v = 0) : value_(v) {}
    int Type() const override { return kIntType; }
    bool GetInt(int32_t& out) const override;
    bool SetInt(int32_t v) override;
    void ToText(std::string& out) const override;
    // atoi semantics; numbers beyond 32 bits saturate instead of wrapping.
    void FromText(const std::string& text) override;

private:
    int32_t value_;
};

class FloatValue : public Value {
public:
    explicit FloatValue(float v = 0) : value_(v) {}
    int Type() const override { return kFloatType; }
    bool GetFloat(float& out) const override;
    bool SetFloat(float v) override;
    void ToText(std::string& out) const override;
    void FromText(const std::string& text) override;

private:
    float value_;
};

class StringValue : public Value {
public:
    explicit StringValue(std::string v = {}) : value_(std::move(v)) {}
    int Type() const override { return kStringType; }
    bool GetString(std::string& out) const override;
    bool SetString(const std::string& v) override;
    // Quoted, with backslash, quote, TAB, LF and CR escaped.
    void ToText(std::string& out) const override;
    // Unquotes and unescapes text that is quoted; takes other text as it stands.
    void FromText(const std::string& text) override;

private:
    std::string value_;
};

// The kind a value written as `text` gets when it is first created.
ValueType KindOfText(const std::string& text);

// A new value of the kind `text` asks for, filled from it.
Ref<Value> MakeValueFromText(const std::string& text);

// The rules tree, present while the game data is loaded.
Dispatcher* Root();
void SetRoot(Ref<Dispatcher> root);

}  // namespace cv
