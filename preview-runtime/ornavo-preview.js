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

    function showLazyImages() {
        var images = doc.querySelectorAll('img[data-ks-lazyload]');
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

    function startWidgets(S, Switchable, Overlay) {
        var elements = doc.querySelectorAll('.J_TWidget');
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
                state.widgets.push({ element: element, type: type, instance: instance });
            } catch (e) {
                var message = (e && e.message) ? e.message : String(e);
                element.setAttribute('data-ornavo-widget', 'failed');
                element.setAttribute('data-ornavo-widget-error', message);
                state.failures.push({ element: element, type: type, error: message });
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
                addOverlayStyle();
                showLazyImages();
                startWidgets(S, Switchable, Overlay);
                state.state = 'ready';
            } catch (e) {
                fail(e && e.message ? e.message : String(e));
            }
        });
    }

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
