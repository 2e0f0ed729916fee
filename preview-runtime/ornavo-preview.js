/*
 * Brings a preview page's widget markup to life with the local copy of the KISSY 1.3 library, for
 * when the marketplace's own scripts did not arrive (no network, or the files are gone).
 *
 * Loaded into the page as one script tag. It loads the library files that lie beside it, in order,
 * then:
 *   - gives every image with a data-ks-lazyload address that address;
 *   - starts every element whose class list holds J_TWidget, in document order (outer before
 *     nested), as the component its data-widget-type names (Tabs, Slide, Carousel, Accordion,
 *     Popup; Compatible does nothing), with its data-widget-config read by OrnavoWidgetConfig.
 * A widget that fails is skipped and the others still start. Each widget element is marked with
 * data-ornavo-widget ("started", "ignored" or "failed") and, on failure, data-ornavo-widget-error;
 * window.ornavoPreview holds the state ("loading", "ready" or "failed") and the started widgets.
 *
 * ornavoPreview.replaceCode(page, bare) shows new code without loading the page again (live preview):
 * see there. On a whole-page preview, ornavoPreview.replaceSlot(slot, code) puts new code into one
 * module's slot and starts its widgets, the other slots' widgets running on.
 */
(function (win, doc) {
    'use strict';

    if (win.ornavoPreview) {
        return; // already loaded into this page
    }

    // Relative to this script; the build copies exactly these files from the kissy package.
    var LIBRARY = [
        'kissy/kissy-min.js',
        'kissy/sizzle-min.js',
        'kissy/rich-base-min.js',
        'kissy/component/base-min.js',
        'kissy/component/extension-min.js',
        'kissy/overlay-min.js',
        'kissy/switchable-min.js',
        'kissy/datalazyload-min.js',
        'kissy/dd/base-min.js',
        'widget-config.js'
    ];
    var MODULES = 'sizzle,node,datalazyload,switchable,overlay';
    var SWITCHABLE_TYPES = { Tabs: 1, Slide: 1, Carousel: 1, Accordion: 1 };

    var state = win.ornavoPreview = {
        state: 'loading',
        error: '',
        widgets: [],     // {element, type, instance}
        failures: [],    // {element, type, error}
        lazyImages: 0
    };

    function baseAddress() {
        var script = doc.currentScript;
        if (!script) {
            var all = doc.getElementsByTagName('script');
            for (var i = all.length - 1; i >= 0; i--) {
                if (/ornavo-preview\.js(\?|$)/.test(all[i].src)) {
                    script = all[i];
                    break;
                }
            }
        }
        var src = script ? script.src : '';
        return src.slice(0, src.lastIndexOf('/') + 1);
    }

    function fail(message) {
        state.state = 'failed';
        state.error = message;
        if (win.console) {
            win.console.error('ornavo preview: ' + message);
        }
    }

    // Fetched side by side, run in the listed order (dynamic scripts with async off keep their order).
    function loadInOrder(base, files, done) {
        var parent = doc.head || doc.documentElement;
        var failed = false;
        files.forEach(function (file, index) {
            var script = doc.createElement('script');
            script.async = false;
            script.charset = 'utf-8';
            script.src = base + file;
            script.onerror = function () {
                if (!failed) {
                    failed = true;
                    fail('cannot load ' + file);
                }
            };
            if (index === files.length - 1) {
                script.onload = function () {
                    if (!failed) {
                        done();
                    }
                };
            }
            parent.appendChild(script);
        });
    }

    // The one rule of the library's overlay style sheet that the pop-ups need: kept out of the way
    // until aligned.
    function addOverlayStyle() {
        var style = doc.createElement('style');
        style.textContent = '.ks-overlay{position:absolute;left:-9999px;top:-9999px;visibility:hidden}';
        (doc.head || doc.documentElement).appendChild(style);
    }

    function showLazyImages(root) {
        var images = root.querySelectorAll('img[data-ks-lazyload]');
        for (var i = 0; i < images.length; i++) {
            var address = images[i].getAttribute('data-ks-lazyload');
            // An empty address keeps the placeholder, as on the marketplace page.
            if (address && address.replace(/\s+/g, '')) {
                images[i].setAttribute('src', address);
            }
            images[i].removeAttribute('data-ks-lazyload');
            state.lazyImages++;
        }
    }

    function create(S, Switchable, Overlay, element, type, config) {
        if (SWITCHABLE_TYPES.hasOwnProperty(type)) {
            // An empty effect (a transition list left unpicked in the module window) means the
            // library's own default; the library would otherwise fail at the first switch.
            if (config.effect === '') {
                delete config.effect;
            }
            return new Switchable[type](element, config);
        }
        if (type === 'Popup') {
            // The element itself is the pop-up. Without a trigger type it shows while the pointer
            // is over its trigger, as the marketplace page does for its pop-up buttons.
            // The markup hides the pop-up with display:none until its script runs; from here on the
            // overlay shows and hides it, and it needs its box to be aligned.
            element.style.display = '';
            var popup = new Overlay.Popup(S.merge({ triggerType: 'mouse' }, config, { srcNode: element }));
            popup.render();
            // Aligned again each time it shows: the page may have moved since (pictures arriving,
            // the window resized).
            popup.on('afterVisibleChange', function (e) {
                var align = popup.get('align');
                if (e.newVal && align && align.points) {
                    popup.align(align.node, align.points, align.offset, align.overflow);
                }
            });
            return popup;
        }
        throw new Error('unknown widget type "' + type + '"');
    }

    // The slot of a whole-page preview that holds the element (null on a module's own preview).
    function slotOf(element) {
        for (var e = element; e && e.nodeType === 1; e = e.parentNode) {
            if (e.hasAttribute('data-ornavo-slot')) {
                return e;
            }
        }
        return null;
    }

    function startWidgets(S, Switchable, Overlay, root) {
        var elements = root.querySelectorAll('.J_TWidget');
        for (var i = 0; i < elements.length; i++) {
            var element = elements[i];
            var type = element.getAttribute('data-widget-type') || '';
            try {
                if (type === 'Compatible') {
                    element.setAttribute('data-ornavo-widget', 'ignored');
                    continue;
                }
                var config = win.OrnavoWidgetConfig.parse(element.getAttribute('data-widget-config'));
                var instance = create(S, Switchable, Overlay, element, type, config);
                element.setAttribute('data-ornavo-widget', 'started');
                state.widgets.push({ element: element, type: type, instance: instance, slot: slotOf(element) });
            } catch (e) {
                var message = (e && e.message) ? e.message : String(e);
                element.setAttribute('data-ornavo-widget', 'failed');
                element.setAttribute('data-ornavo-widget-error', message);
                state.failures.push({ element: element, type: type, error: message, slot: slotOf(element) });
                if (win.console) {
                    win.console.error('ornavo preview: ' + type + ' widget: ' + message);
                }
            }
        }
    }

    function start() {
        var S = win.KISSY;
        if (!S || !win.OrnavoWidgetConfig) {
            fail('the widget library did not load');
            return;
        }
        S.use(MODULES, function (S, sizzle, Node, DataLazyload, Switchable, Overlay) {
            try {
                // The page as it was parsed, before any widget moved anything.
                loadedFrame = frameOf(doc);
                addOverlayStyle();
                showLazyImages(doc);
                startWidgets(S, Switchable, Overlay, doc);
                library = { S: S, Switchable: Switchable, Overlay: Overlay };
                // A page loaded again for new code goes back to where the user was.
                if (win.ornavoKeepScroll) {
                    win.scrollTo(win.ornavoKeepScroll[0], win.ornavoKeepScroll[1]);
                }
                state.state = 'ready';
            } catch (e) {
                fail(e && e.message ? e.message : String(e));
            }
        });
    }

    // The module's span that holds the code: the first, the page's own (code may hold others).
    function contentOf(d) {
        return d.querySelector('#shop4257007198 .skin-box-bd > span');
    }

    // The page around the code: every element of the body outside the code's span, in order.
    function frameOf(d) {
        var content = contentOf(d), parts = [];
        (function walk(node) {
            for (var e = node.firstElementChild; e; e = e.nextElementSibling) {
                if (e === content) {
                    parts.push('[code]');
                    continue;
                }
                parts.push(e.tagName + '#' + e.id + '.' + e.className);
                walk(e);
                parts.push('/');
            }
        })(d.body || d.documentElement);
        return content ? parts.join(' ') : '';
    }

    var library = null;     // the started library's modules
    var loadedFrame = null; // the frame of the page as loaded
    var bareFrame = null;   // the frame of the page without code

    // Every widget comes from the code (the page around it has none): all of them go with it; or,
    // given a slot, those of that slot.
    function stopWidgets(slot) {
        var mine = function (w) {
            return !slot || w.slot === slot;
        };
        state.widgets.filter(mine).forEach(function (w) {
            try {
                if (typeof w.instance.stop === 'function') {
                    w.instance.stop(); // autoplay
                }
                w.instance.destroy();
            } catch (e) {
                // it goes with its element anyway
            }
        });
        state.widgets = state.widgets.filter(function (w) {
            return !mine(w);
        });
        state.failures = state.failures.filter(function (w) {
            return !mine(w);
        });
    }

    // The page's own scripts after the code ran over the new code as over a fresh page (the one that
    // takes the marketplace's unsafe links out, the module's start).
    function runScriptsAfter(content) {
        var scripts = doc.body.getElementsByTagName('script');
        for (var i = 0; i < scripts.length; i++) {
            var script = scripts[i];
            if (script.src || content.contains(script) ||
                !(content.compareDocumentPosition(script) & Node.DOCUMENT_POSITION_FOLLOWING)) {
                continue;
            }
            try {
                (0, eval)(script.text);
            } catch (e) {
                // as on the loaded page, where it failed the same way
            }
        }
    }

    /*
     * Live preview: puts the code of `page` (the whole new page text, as the browser reads the file)
     * in place of the code shown, stops the widgets of the old code and starts those of the new, as on
     * a fresh page; the scroll position stays. `bare` is the page without code. Returns false and
     * changes nothing where loading the page would give something else, so the caller loads it: this
     * library does not run the page (not ready, or the marketplace's own came), the new code has
     * scripts (they run only as a page loads), or the code reaches out of its module (its markup
     * closes elements of the page), now or in the page shown.
     */
    state.replaceCode = function (page, bare) {
        if (state.state !== 'ready' || !library) {
            return false;
        }
        var parser = new DOMParser();
        var fresh = parser.parseFromString(page, 'text/html');
        var freshContent = contentOf(fresh), content = contentOf(doc);
        if (!freshContent || !content || freshContent.querySelector('script')) {
            return false;
        }
        if (bareFrame === null) {
            bareFrame = frameOf(parser.parseFromString(bare, 'text/html'));
        }
        if (loadedFrame !== bareFrame || frameOf(fresh) !== bareFrame) {
            return false;
        }
        var x = win.scrollX, y = win.scrollY;
        stopWidgets();
        while (content.firstChild) {
            content.removeChild(content.firstChild);
        }
        while (freshContent.firstChild) {
            content.appendChild(doc.adoptNode(freshContent.firstChild));
        }
        runScriptsAfter(content);
        showLazyImages(content);
        startWidgets(library.S, library.Switchable, library.Overlay, content);
        win.scrollTo(x, y); // where the user was, not where the browser's anchoring would take it
        return true;
    };

    /*
     * Whole-page preview: puts `code` into the slot whose data-ornavo-slot is `slot` (a module's number
     * on the page, or "navigation" for the navigation's style sheet), parsed on its own as the page
     * parsed it, stops the widgets that slot had and starts those of the new code; the other slots and
     * their widgets stay as they are. Returns false, changing nothing, when this library does not run
     * the page or the page has no such slot.
     */
    state.replaceSlot = function (slot, code) {
        if (state.state !== 'ready' || !library) {
            return false;
        }
        var holders = doc.querySelectorAll('[data-ornavo-slot]'), holder = null;
        for (var i = 0; i < holders.length && !holder; i++) {
            if (holders[i].getAttribute('data-ornavo-slot') === String(slot)) {
                holder = holders[i];
            }
        }
        if (!holder) {
            return false;
        }
        if (holder.tagName === 'STYLE') {
            holder.textContent = code;
            return true;
        }
        var content = holder.querySelector('.skin-box-bd > span');
        if (!content) {
            return false;
        }
        stopWidgets(holder);
        content.innerHTML = code;
        showLazyImages(content);
        startWidgets(library.S, library.Switchable, library.Overlay, content);
        return true;
    };

    function whenParsed(fn) {
        if (doc.readyState === 'loading') {
            doc.addEventListener('DOMContentLoaded', fn);
        } else {
            fn();
        }
    }

    if (win.KISSY) {
        // The marketplace's library is there and starts the widgets itself.
        state.state = 'not needed';
        return;
    }
    var base = baseAddress(); // known only while this script runs
    whenParsed(function () {
        loadInOrder(base, LIBRARY, start);
    });
}(window, document));
