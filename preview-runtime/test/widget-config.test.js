'use strict';
// The reader of data-widget-config values, on the literals the module windows write and on text
// that must not be accepted.

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { parse } = require('../widget-config.js');

const same = (text, expected) => assert.deepStrictEqual(JSON.parse(JSON.stringify(parse(text))), expected);

test('single-quoted literals as the carousel and tab windows write them', () => {
    same("{'effect': 'fade', 'circular': true ,'contentCls':'taobaoux'}",
        { effect: 'fade', circular: true, contentCls: 'taobaoux' });
    same("{'contentCls': 'taobao-kaidian-com','navCls': 'taobaokaidian-com','effect': '','easing': " +
         "'easeOutStrong','prevBtnCls':'prev','nextBtnCls':'next','autoplay': true,'viewSize':[1920]," +
         "'circular': true,'activeTriggerCls': 'arrow-d'}",
        { contentCls: 'taobao-kaidian-com', navCls: 'taobaokaidian-com', effect: '', easing: 'easeOutStrong',
          prevBtnCls: 'prev', nextBtnCls: 'next', autoplay: true, viewSize: [1920], circular: true,
          activeTriggerCls: 'arrow-d' });
});

test('nested objects and arrays, numbers of every form', () => {
    same("{'trigger':'.kun1920','align':{'node':'.kun1920','offset':[-400,0],'points':['cc','cc']}}",
        { trigger: '.kun1920', align: { node: '.kun1920', offset: [-400, 0], points: ['cc', 'cc'] } });
    same("{interval: 3.5, duration: .2, steps: +4, big: 1e3, small: -2.5E-1, list: [[1, [2]], {}], none: null, off: false}",
        { interval: 3.5, duration: 0.2, steps: 4, big: 1000, small: -0.25, list: [[1, [2]], {}], none: null, off: false });
    same("{'viewSize':[]}", { viewSize: [] });
    same('{"a": "double", 7: \'numeric key\'}', { a: 'double', 7: 'numeric key' });
});

test('line breaks, TABs and wide blanks between tokens and inside values', () => {
    // What the browser makes of "&#13;&#10;" inside the attribute.
    same("{\r\n\t'effect': 'scrolly',\r\n  'autoplay' :true\r\n}", { effect: 'scrolly', autoplay: true });
    same("\u3000{'a':\u00a01}\ufeff ", { a: 1 });
    same("{'title': 'two\r\nlines'}", { title: 'two\r\nlines' });
});

test('trailing commas', () => {
    same("{'a': [1, 2, ], 'b': {'c': 3,},}", { a: [1, 2], b: { c: 3 } });
    assert.throws(() => parse("{'a': 1,,}"), { name: 'ConfigError' });
    assert.throws(() => parse('{,}'), { name: 'ConfigError' });
    assert.throws(() => parse('[1,,2]'), { name: 'ConfigError' });
});

test('quotes and escapes inside strings', () => {
    same("{'q': \"it's\", 'd': '\"x\"', 'e': 'a\\'b', 'n': 'x\\ny', 'u': '\\u4e2d\\x41', 'b': '\\\\'}",
        { q: "it's", d: '"x"', e: "a'b", n: 'x\ny', u: '中A', b: '\\' });
});

test('an empty or missing attribute is an empty configuration', () => {
    same('', {});
    same('  \r\n ', {});
    same(null, {});
    same('{}', {});
});

test('a field text with a quote breaks the literal and is rejected, not guessed', () => {
    // A user's single quote inside a configuration value ends the string early.
    assert.throws(() => parse("{'effect': 'fa'de', 'autoplay': true}"), { name: 'ConfigError' });
    assert.throws(() => parse("{'effect': 'fade'"), /expected ',' or '}'|unexpected end/);
    assert.throws(() => parse("{'effect': 'fade"), /unterminated string/);
});

test('code is rejected and never run', () => {
    globalThis.__ornavoRan = false;
    const attempts = [
        "{'a': (globalThis.__ornavoRan = true)}",
        "{'a': alert(1)}",
        "{'a': window}",
        "{'a': function () { globalThis.__ornavoRan = true; }}",
        "{'a': () => 1}",
        "{'a': 1 + 2}",
        "{'a': `template`}",
        "{'a': 1 /* comment */}",
        "{a: undefined}",
        "{'a': NaN}",
        "{'a': Infinity}",
        "{'a': 0x10}",
        "{'a': 1}; globalThis.__ornavoRan = true",
        "({'a': 1})",
        "[1, 2]",
        "'text'",
        "{['a']: 1}",
        "{'a' 1}",
        "{'a': 1 'b': 2}",
        "{'a': 12px}",
    ];
    for (const text of attempts) {
        assert.throws(() => parse(text), { name: 'ConfigError' }, text);
    }
    assert.equal(globalThis.__ornavoRan, false);
});

test('the position of the fault is reported', () => {
    try {
        parse("{'a': 1, 'b': oops}");
        assert.fail('accepted');
    } catch (e) {
        assert.equal(e.position, 14);
        assert.match(e.message, /'oops' is not a value at position 14/);
    }
});

test('__proto__ and constructor are plain keys, not prototype changes', () => {
    const result = parse("{'__proto__': {'polluted': true}, 'constructor': 'x', 'toString': 1}");
    assert.equal(Object.getPrototypeOf(result), Object.prototype);
    assert.deepEqual(Object.keys(result), ['__proto__', 'constructor', 'toString']);
    assert.equal(result.polluted, undefined);
    assert.equal({}.polluted, undefined);
    assert.equal(result.constructor, 'x');
});

test('a deeply nested attribute is refused instead of exhausting the stack', () => {
    const deep = '{a:'.repeat(10000) + '1' + '}'.repeat(10000);
    assert.throws(() => parse(deep), /nested too deeply/);
    const arrays = '{a:' + '['.repeat(100) + ']'.repeat(100) + '}';
    assert.throws(() => parse(arrays), /nested too deeply/);
    same('{a:' + '['.repeat(20) + ']'.repeat(20) + '}', { a: JSON.parse('['.repeat(20) + ']'.repeat(20)) });
});

test('the init script loads exactly the library files the package has', () => {
    const script = fs.readFileSync(path.join(__dirname, '..', 'ornavo-preview.js'), 'utf8');
    const list = /var LIBRARY = \[([\s\S]*?)\];/.exec(script);
    assert.ok(list, 'no LIBRARY list in ornavo-preview.js');
    const files = [...list[1].matchAll(/'([^']+)'/g)].map((m) => m[1]);
    assert.equal(files[0], 'kissy/kissy-min.js', 'the seed and core come first');
    assert.equal(files[files.length - 1], 'widget-config.js');
    const build = path.join(__dirname, '..', '..', 'node_modules', 'kissy', 'build');
    if (!fs.existsSync(build)) {
        return; // the package is not installed here; the build step checks the same files
    }
    for (const file of files.slice(0, -1)) {
        assert.ok(fs.existsSync(path.join(build, file.replace(/^kissy\//, ''))), file);
    }
});
