/*
 * Reads the value of a widget's data-widget-config attribute: an object literal in the style the
 * module windows write, e.g. {'effect': 'fade', 'circular': true ,'viewSize':[1920]}.
 *
 * Accepted: objects, arrays, strings in single or double quotes (with the usual backslash escapes),
 * numbers (sign, fraction, exponent), true, false, null, keys quoted or written as plain names or
 * numbers, trailing commas, and any white space between tokens, line breaks included. Anything else
 * (names of variables, calls, operators, comments) is rejected: nothing in the text is ever run.
 *
 * Loaded in the preview page as a plain script (window.OrnavoWidgetConfig) and by node's tests as a
 * module.
 */
(function (root, factory) {
    'use strict';
    var api = factory();
    if (typeof module === 'object' && module.exports) {
        module.exports = api;
    } else {
        root.OrnavoWidgetConfig = api;
    }
}(typeof self !== 'undefined' ? self : this, function () {
    'use strict';

    // Deeper nesting than any widget needs; keeps a hostile attribute from exhausting the stack.
    var MAX_DEPTH = 32;

    function ConfigError(message, position) {
        var error = new SyntaxError(message + ' at position ' + position);
        error.name = 'ConfigError';
        error.position = position;
        return error;
    }

    function isSpace(c) {
        // Blanks, TABs, line breaks, the no-break and ideographic spaces, the byte-order mark.
        return c === ' ' || c === '\t' || c === '\n' || c === '\r' || c === '\f' || c === '\v' ||
            c === '\u00a0' || c === '\u3000' || c === '\ufeff' || c === '\u2028' || c === '\u2029';
    }

    function isNameStart(c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c === '_' || c === '$';
    }

    function isDigit(c) {
        return c >= '0' && c <= '9';
    }

    function Parser(text) {
        this.text = text;
        this.pos = 0;
    }

    Parser.prototype.fail = function (message) {
        throw ConfigError(message, this.pos);
    };

    Parser.prototype.peek = function () {
        return this.text.charAt(this.pos);
    };

    Parser.prototype.skipSpace = function () {
        while (this.pos < this.text.length && isSpace(this.text.charAt(this.pos))) {
            this.pos++;
        }
    };

    Parser.prototype.expect = function (c) {
        this.skipSpace();
        if (this.peek() !== c) {
            this.fail("expected '" + c + "'");
        }
        this.pos++;
    };

    Parser.prototype.value = function (depth) {
        this.skipSpace();
        var c = this.peek();
        if (c === '{') {
            return this.object(depth + 1);
        }
        if (c === '[') {
            return this.array(depth + 1);
        }
        if (c === "'" || c === '"') {
            return this.string();
        }
        if (isDigit(c) || c === '-' || c === '+' || c === '.') {
            return this.number();
        }
        if (isNameStart(c)) {
            var word = this.name();
            if (word === 'true') {
                return true;
            }
            if (word === 'false') {
                return false;
            }
            if (word === 'null') {
                return null;
            }
            this.pos -= word.length;
            this.fail("'" + word + "' is not a value");
        }
        if (c === '') {
            this.fail('unexpected end');
        }
        this.fail("unexpected '" + c + "'");
    };

    Parser.prototype.object = function (depth) {
        if (depth > MAX_DEPTH) {
            this.fail('nested too deeply');
        }
        this.pos++; // {
        // No prototype: a key such as __proto__ is an ordinary key.
        var result = Object.create(null);
        for (;;) {
            this.skipSpace();
            if (this.peek() === '}') {
                this.pos++;
                return result;
            }
            var key = this.key();
            this.expect(':');
            result[key] = this.value(depth);
            this.skipSpace();
            var c = this.peek();
            if (c === ',') {
                this.pos++;
            } else if (c !== '}') {
                this.fail("expected ',' or '}'");
            }
        }
    };

    Parser.prototype.array = function (depth) {
        if (depth > MAX_DEPTH) {
            this.fail('nested too deeply');
        }
        this.pos++; // [
        var result = [];
        for (;;) {
            this.skipSpace();
            if (this.peek() === ']') {
                this.pos++;
                return result;
            }
            result.push(this.value(depth));
            this.skipSpace();
            var c = this.peek();
            if (c === ',') {
                this.pos++;
            } else if (c !== ']') {
                this.fail("expected ',' or ']'");
            }
        }
    };

    Parser.prototype.key = function () {
        var c = this.peek();
        if (c === "'" || c === '"') {
            return this.string();
        }
        if (isNameStart(c)) {
            return this.name();
        }
        if (isDigit(c)) {
            return String(this.number());
        }
        if (c === '') {
            this.fail('unexpected end');
        }
        this.fail("unexpected '" + c + "' where a key belongs");
    };

    Parser.prototype.name = function () {
        var start = this.pos;
        while (this.pos < this.text.length &&
               (isNameStart(this.text.charAt(this.pos)) || isDigit(this.text.charAt(this.pos)))) {
            this.pos++;
        }
        return this.text.slice(start, this.pos);
    };

    Parser.prototype.number = function () {
        var rest = this.text.slice(this.pos);
        var match = /^[+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?/.exec(rest);
        if (!match) {
            this.fail('malformed number');
        }
        var after = rest.charAt(match[0].length);
        if (isNameStart(after) || isDigit(after) || after === '.') {
            this.pos += match[0].length;
            this.fail('malformed number');
        }
        this.pos += match[0].length;
        return Number(match[0]);
    };

    var ESCAPES = { n: '\n', r: '\r', t: '\t', b: '\b', f: '\f', v: '\v', '0': '\0' };

    Parser.prototype.string = function () {
        var quote = this.text.charAt(this.pos++);
        var out = '';
        for (;;) {
            if (this.pos >= this.text.length) {
                this.fail('unterminated string');
            }
            var c = this.text.charAt(this.pos++);
            if (c === quote) {
                return out;
            }
            if (c !== '\\') {
                // Line breaks inside a quoted value are kept: the attribute may carry them.
                out += c;
                continue;
            }
            if (this.pos >= this.text.length) {
                this.fail('unterminated string');
            }
            var e = this.text.charAt(this.pos++);
            if (e === 'u' || e === 'x') {
                var size = e === 'u' ? 4 : 2;
                var hex = this.text.substr(this.pos, size);
                if (!new RegExp('^[0-9a-fA-F]{' + size + '}$').test(hex)) {
                    this.fail('malformed escape');
                }
                out += String.fromCharCode(parseInt(hex, 16));
                this.pos += size;
            } else if (e === '\r') {
                // A backslash before a line break continues the string on the next line.
                if (this.peek() === '\n') {
                    this.pos++;
                }
            } else if (e === '\n') {
                // (continued line)
            } else if (Object.prototype.hasOwnProperty.call(ESCAPES, e)) {
                out += ESCAPES[e];
            } else {
                out += e;
            }
        }
    };

    // The configuration as a plain object. An empty or blank attribute is an empty configuration.
    // Throws a SyntaxError (name 'ConfigError', with the position) for anything else that is not a
    // single object literal.
    function parse(text) {
        if (text === null || text === undefined) {
            return {};
        }
        var parser = new Parser(String(text));
        parser.skipSpace();
        if (parser.pos === parser.text.length) {
            return {};
        }
        if (parser.peek() !== '{') {
            parser.fail('a configuration must be an object');
        }
        var result = parser.object(0);
        parser.skipSpace();
        if (parser.pos !== parser.text.length) {
            parser.fail('unexpected text after the configuration');
        }
        return toPlain(result);
    }

    // Copies the prototype-less objects into ordinary ones for the library, keeping keys such as
    // "__proto__" as own data properties instead of prototype changes.
    function toPlain(value) {
        if (Array.isArray(value)) {
            return value.map(toPlain);
        }
        if (value !== null && typeof value === 'object') {
            var out = {};
            Object.keys(value).forEach(function (k) {
                Object.defineProperty(out, k, {
                    value: toPlain(value[k]), enumerable: true, writable: true, configurable: true
                });
            });
            return out;
        }
        return value;
    }

    return { parse: parse };
}));
